# Quillmere server profile: eAthena.
# What a script may hold for this server family. Edit a copy of this file in your config folder:
# your copy is read instead of this one. A file of your own (<id>.profile) adds a profile.
#
# Settings: name; ignore case (command names, keywords, labels, header words); assignments (the
# operators that make a statement, or no); call functions by name (a global function may be
# called like a command); function visibility ("public function" and "private function").
name = eAthena
ignore case = yes
assignments = no
call functions by name = no
function visibility = no

# Header lines: the second field's word, the block kind (script shop warp duplicate monster
# mapflag), "body" when a { } script follows, "state" when written word(<state>), and
# "fields N" when fewer than four tab-separated fields are enough.
[headers]
warp warp
shop shop
cashshop shop
script script body
duplicate duplicate
monster monster
boss_monster monster
mapflag mapflag fields 3

# Labels the server itself runs; # stands for digits.
[events]
OnInit
OnInterIfInit
OnInterIfInitOnce
OnAgitInit
OnAgitStart
OnAgitEnd
OnAgitInit2
OnAgitStart2
OnAgitEnd2
OnGuildBreak
OnTimer#
OnTimerQuit
OnMinute#
OnHour#
OnClock#
OnSun#
OnMon#
OnTue#
OnWed#
OnThu#
OnFri#
OnSat#
OnDay#
OnPCDieEvent
OnPCKillEvent
OnNPCKillEvent
OnPCLoginEvent
OnPCLogoutEvent
OnPCLoadMapEvent
OnPCBaseLvUpEvent
OnPCJobLvUpEvent
OnTouch_
OnTouch
OnWhisperGlobal
OnBuyItem
OnSellItem

# name  shape  [!deprecated]  [argument names, comma separated]
# Shape letters: i number, s text, v any value, r variable, l label, ? optional, * any number more;
# - for none. Names ending in "..." repeat. An argument named "event" takes "NPC::label".
[commands]
mes s text
next -
close -
close2 -
menu sl* option, label, ...
select s* option
prompt s* option
goto l label
callsub l* label, argument
callfunc s* function, argument
return ? value
getarg i? index, default
jobchange i? job, upper
jobname i job
input r?? variable, min, max
warp sii map, x, y
areawarp siiiisii map, x1, y1, x2, y2, to map, x, y
warpchar siii map, x, y, char id
warpparty siii? map, x, y, party id
warpguild siii map, x, y, type
setlook ii type, value
changelook ii type, value
set rv variable, value
setarray rv* array, value
cleararray rvi array, value, count
copyarray rri destination, source, count
getarraysize r array
deletearray r? array, count
getelementofarray ri
getitem vi? item, amount, account id
rentitem vi
getitem2 viiiiiiii? item, amount, identified, refine, attribute, card 1, card 2, card 3, card 4, account id
getnameditem vv item, name
groupranditem i
makeitem visii
delitem vi? item, amount, account id
delitem2 viiiiiiii?
enable_items -
disable_items -
cutin si image, position
viewpoint iiiii
heal ii hp, sp
itemheal ii hp, sp
percentheal ii hp, sp
rand i? start, end
countitem v item
countitem2 viiiiiii
checkweight vi item, amount, ...
readparam i? parameter, name
getcharid i? type, name
getnpcid i?
getpartyname i party id
getpartymember i?
getpartyleader i?
getguildname i guild id
getguildmaster i
getguildmasterid i
strcharinfo i type
strnpcinfo i type
getequipid i slot
getequipname i slot
getbrokenid i
repair i
getequipisequiped i
getequipisenableref i
getequipisidentify i
getequiprefinerycnt i slot
getequipweaponlv i
getequippercentrefinery i
successrefitem i
failedrefitem i
statusup i
statusup2 ii
bonus iv type, value
bonus2 ivi
bonus3 ivii
bonus4 ivvii
bonus5 ivviii
autobonus sii??
autobonus2 sii??
autobonus3 siiv?
skill vi? skill, level, flag
addtoskill vi?
guildskill vi
getskilllv v skill
getgdskilllv iv
basicskillcheck -
getgmlevel -
end -
checkoption i
setoption i?
setcart ? type
checkcart -
setfalcon ? flag
checkfalcon -
setriding ? flag
checkriding -
save sii map, x, y
savepoint sii map, x, y
gettimetick i type
gettime i type
gettimestr si format, length
openstorage -
guildopenstorage -
itemskill vi
produce i
cooking i
monster siisii? map, x, y, name, mob id, amount, event
getmobdrops i
areamonster siiiisii? map, x1, y1, x2, y2, name, mob id, amount, event
killmonster ss? map, spawn event
killmonsterall s? map
clone siisi????
doevent s event
donpcevent s event
cmdothernpc ss
addtimer is ticks, event
deltimer s event
addtimercount si event, ticks
initnpctimer ?? npc name, attach
stopnpctimer ?? npc name, detach
startnpctimer ?? npc name, attach
setnpctimer i? ticks, npc name
getnpctimer i? type, npc name
attachnpctimer ? name
detachnpctimer ? npc name
playerattached -
announce si????? text, flag, color, font type, font size, font align, font y
mapannounce ssi????? map, text, flag, color, font type, font size, font align, font y
areaannounce siiiisi?????
getusers i
getmapguildusers si
getmapusers s map
getareausers siiii map, x1, y1, x2, y2
getareadropitem siiiiv
enablenpc s npc name
disablenpc s npc name
hideoffnpc s npc name
hideonnpc s npc name
sc_start iii? effect, ticks, value, rate
sc_start2 iiii?
sc_start4 iiiiii?
sc_end i? effect, target
getscrate ii?
debugmes s text
pet i
bpet -
resetlvl i
resetstatus -
resetskill -
skillpointcount -
changebase i?
changesex -
waitingroom si????? title, limit, event, trigger, zeny, min level, max level
delwaitingroom ? npc name
kickwaitingroomall ?
enablewaitingroomevent ?
disablewaitingroomevent ?
enablearena -
disablearena -
getwaitingroomstate i?
warpwaitingpc sii?
attachrid i account id
detachrid -
isloggedin i?
setmapflagnosave ssii
getmapflag si map, flag
setmapflag si? map, flag, value
removemapflag si map, flag
pvpon s
pvpoff s
gvgon s
gvgoff s
emotion i?? emotion, target
maprespawnguildid sii
agitstart -
agitend -
agitcheck -
flagemblem i
getcastlename s map
getcastledata si? map, type
setcastledata sii map, type, value
requestguildinfo i?
getequipcardcnt i
successremovecards i
failedremovecards ii
marriage s
wedding -
divorce -
ispartneron -
getpartnerid -
getchildid -
getmotherid -
getfatherid -
warppartner sii
getitemname v item
getitemslots i
makepet i
getexp ii base exp, job exp
getinventorylist -
getskilllist -
clearitem -
classchange ii
misceffect i effect
playBGM s file
playBGMall s?????
soundeffect si file, type
soundeffectall si?????
strmobinfo ii
guardian siisi??
guardianinfo sii
petskillbonus iiii
petrecovery ii
petloot i
petheal iiii
petskillattack viii
petskillattack2 viiii
petskillsupport viiii
skilleffect vi
npcskilleffect viii
specialeffect i?? effect, target, npc name
specialeffect2 i?? effect, target, name
nude -
mapwarp ssii??
atcommand s
charcommand s
movenpc sii?
message ss name, text
npctalk s text
mobcount ss map, spawn event
getlook i
getsavepoint i
npcspeed i
npcwalkto ii
npcstop -
getmapxy rrri? map, x, y, type, name
checkoption1 i
checkoption2 i
guildgetexp i
guildchangegm is
logmes s
summon si??
isnight -
isday -
isequipped i* item
isequippedcnt i*
cardscnt i*
getrefine -
night -
day -
defpattern iss
activatepset i
deactivatepset i
deletepset i
dispbottom s text
getusersname -
recovery -
getpetinfo i
gethominfo i
getmercinfo i?
checkequipedcard i
jump_zero il
globalmes s?
getmapmobs s
unequip i
getstrlen s text
charisalpha si
charat si
setchar ssi
insertchar ssi
delchar si
strtoupper s text
strtolower s text
charisupper si
charislower si
substr sii text, start, end
explode rss destination, text, separator
implode r? array, separator
setnpcdisplay sv?? npc name, display name, sprite, size
compare ss text, substring
getiteminfo ii item, type
setiteminfo iii
getequipcardid ii
sqrt i
pow ii
distance iiii
md5 s
getd s name
setd sv name, value
petstat i
callshop s? shop name, type
npcshopitem sii* shop name, item, price, ...
npcshopadditem sii* shop name, item, price, ...
npcshopdelitem si* shop name, item
npcshopattach s? shop name, flag
equip i
autoequip ii
setbattleflag si
getbattleflag s
setitemscript is?
disguise i
undisguise -
getmonsterinfo ii mob id, type
axtoi s
query_sql s* query, variable
query_logsql s*
escape_sql v
atoi s text
rid2name i
pcfollow ii
pcstopfollow i
pcblockmove ii
unitwalk ii?
unitkill i
unitwarp isii
unitattack iv?
unitstop i
unittalk is
unitemote ii
unitskilluseid ivi?
unitskillusepos iviii
sleep i ticks
sleep2 i ticks
awake s
getvariableofnpc rs variable, npc name
warpportal iisii
homevolution -
homshuffle -
eaclass ?
roclass i?
checkvending ?
checkchatting ?
openmail -
openauction -
checkcell siii
setcell siiiiii map, x1, y1, x2, y2, type, flag
setwall siiiiis
delwall s
searchitem rs
mercenary_create ii
mercenary_heal ii
mercenary_sc_start iii
mercenary_get_calls i
mercenary_get_faith i
mercenary_set_calls ii
mercenary_set_faith ii
readbook ii book, page
setfont i
areamobuseskill siiiiviiiii
progressbar si
pushpc ii
buyingstore i
searchstores ii
showdigit i?
agitstart2 -
agitend2 -
agitcheck2 -
waitingroom2bg siiss?
waitingroom2bg_single isiis
bg_team_setxy iii
bg_warp isii
bg_monster isiisi?
bg_monster_set_team ii
bg_leave -
bg_destroy i
areapercentheal siiiiii
bg_get_data ii
bg_getareausers isiiii
bg_updatescore sii
instance_create si
instance_destroy ?
instance_attachmap si?
instance_detachmap s?
instance_attach i
instance_id ?
instance_set_timeout ii?
instance_init i
instance_announce isi?????
instance_npcname s?
has_instance s?
instance_warpall sii?
setquest i quest
erasequest i quest
completequest i quest
checkquest i? quest, type
changequest ii
showevent ii
