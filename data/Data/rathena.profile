# Quillmere server profile: rAthena.
# What a script may hold for this server family. Edit a copy of this file in your config folder:
# your copy is read instead of this one. A file of your own (<id>.profile) adds a profile.
#
# Settings: name; ignore case (command names, keywords, labels, header words); assignments (the
# operators that make a statement, or no); call functions by name (a global function may be
# called like a command); function visibility ("public function" and "private function").
name = rAthena
ignore case = yes
assignments = = += -= *= /= %= &= |= ^= ~= <<= >>= ++ --
call functions by name = yes
function visibility = no

# Header lines: the second field's word, the block kind (script shop warp duplicate monster
# mapflag), "body" when a { } script follows, "state" when written word(<state>), and
# "fields N" when fewer than four tab-separated fields are enough.
[headers]
warp warp state
warp2 warp state
shop shop
cashshop shop
itemshop shop
pointshop shop
marketshop shop
script script body state
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
OnTouchNPC
OnCommand
OnAgitInit3
OnAgitStart3
OnAgitEnd3
OnInstanceInit
OnInstanceDestroy

# name  shape  [!deprecated]  [argument names, comma separated]
# Shape letters: i number, s text, v any value, r variable, l label, ? optional, * any number more;
# - for none. Names ending in "..." repeat. An argument named "event" takes "NPC::label".
[commands]
mes s* text
next -
clear -
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
jobchange i?? job, upper
jobname i job
input r?? variable, min, max
warp sii? map, x, y, char id
warpchar sii? map, x, y, char id
areawarp siiiisii?? map, x1, y1, x2, y2, to map, x, y, x2, y2
warpparty siii??? map, x, y, party id
warpguild siii map, x, y, type
setlook ii? type, value
changelook ii? type, value
set rv? variable, value, char id
setr rv?? variable, value, char id
setarray rv* array, value
cleararray rvi array, value, count
copyarray rri destination, source, count
getarraysize r array
deletearray r? array, count
getelementofarray ri
inarray rv array, value
countinarray rr
getitem vi? item, amount, account id
rentitem vi?
rentitem2 viiiiiiii?
getitem2 viiiiiiii? item, amount, identified, refine, attribute, card 1, card 2, card 3, card 4, account id
getnameditem vv item, name
groupranditem i?
makeitem visii
makeitem2 visiiiiiiiii
delitem vi? item, amount, account id
storagedelitem vi?
guildstoragedelitem vi?
cartdelitem vi?
delitem2 viiiiiiii?
storagedelitem2 viiiiiiii?
guildstoragedelitem2 viiiiiiii?
cartdelitem2 viiiiiiii?
enable_items -
disable_items -
cutin si image, position
viewpoint iiiii?
heal ii? hp, sp
itemheal ii? hp, sp
percentheal ii? hp, sp
rand i? start, end
countitem v? item
storagecountitem v?
guildstoragecountitem v?
cartcountitem v?
countitem2 viiiiiii?
storagecountitem2 viiiiiii?
guildstoragecountitem2 viiiiiii?
cartcountitem2 viiiiiii?
checkweight vi* item, amount, ...
checkweight2 rr
readparam i? parameter, name
getcharid i? type, name
getnpcid i?
getpartyname i party id
getpartymember i??
getpartyleader i?
getguildname i guild id
getguildmaster i
getguildmasterid i
strcharinfo i? type
strnpcinfo i type
getequipid ?? slot
getequipuniqueid i?
getequipname i? slot
getbrokenid i?
repair i?
repairall ?
getequipisequiped i?
getequipisenableref i?
getequiprefinerycnt i? slot
getequipweaponlv i?
getequippercentrefinery i?
successrefitem i??
failedrefitem i?
downrefitem i??
statusup i?
statusup2 ii?
bonus i? type, value
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
getgmlevel ?
getgroupid ?
end -
checkoption i?
setoption i??
setcart ?? type
checkcart ?
setfalcon ?? flag
checkfalcon ?
setriding ?? flag
checkriding ?
checkwug ?
checkmadogear ?
setmadogear ??
save sii??? map, x, y
savepoint sii??? map, x, y
gettimetick i type
gettime i type
gettimestr si? format, length
openstorage -
guildopenstorage -
guildopenstorage_log ?
guild_has_permission i?
itemskill vi?
produce i
cooking i
monster siisii??? map, x, y, name, mob id, amount, event, size, ai
getmobdrops i
areamonster siiiisii??? map, x1, y1, x2, y2, name, mob id, amount, event, size, ai
killmonster ss? map, spawn event
killmonsterall s? map
clone siisi????
doevent s event
donpcevent s event
cmdothernpc ss
addtimer is ticks, event
deltimer s event
addtimercount is event, ticks
initnpctimer ?? npc name, attach
stopnpctimer ?? npc name, detach
startnpctimer ?? npc name, attach
setnpctimer i? ticks, npc name
getnpctimer i? type, npc name
attachnpctimer ? name
detachnpctimer ? npc name
playerattached -
announce si?????? text, flag, color, font type, font size, font align, font y
mapannounce ssi????? map, text, flag, color, font type, font size, font align, font y
areaannounce siiiisi?????
getusers i
getmapguildusers si
getmapusers s map
getareausers siiii map, x1, y1, x2, y2
getunits i?
getmapunits is?
getareaunits isiiii?
getareadropitem siiiiv
enablenpc s npc name
disablenpc s npc name
hideoffnpc s npc name
hideonnpc s npc name
sc_start iii??? effect, ticks, value, rate, flag, target
sc_start2 iiii???
sc_start4 iiiiii???
sc_end i? effect, target
sc_end_class ??
getstatus i??
getscrate ii?
debugmes s text
pet i
bpet -
catchpet i
birthpet -
resetlvl i?
resetstatus ?
resetskill ?
resetfeel ?
resethate ?
skillpointcount ?
changebase i?
changesex ?
changecharsex ?
waitingroom si????? title, limit, event, trigger, zeny, min level, max level
delwaitingroom ? npc name
waitingroomkick ss
getwaitingroomusers ?
kickwaitingroomall ?
enablewaitingroomevent ?
disablewaitingroomevent ?
enablearena -
disablearena -
getwaitingroomstate i?
warpwaitingpc sii?
attachrid i? account id
addrid i?????
detachrid -
isloggedin i?
setmapflagnosave ssii
getmapflag si? map, flag
setmapflag si?? map, flag, value
removemapflag si? map, flag
pvpon s
pvpoff s
gvgon s
gvgoff s
emotion i? emotion, target
maprespawnguildid sii
agitstart -
agitend -
agitcheck -
flagemblem i
getcastlename s map
getcastledata si map, type
setcastledata sii map, type, value
requestguildinfo i?
getequipcardcnt i
successremovecards i
failedremovecards ii
marriage s
wedding -
divorce ?
ispartneron ?
getpartnerid ?
getchildid ?
getmotherid ?
getfatherid ?
warppartner sii
getitemname v item
getitemslots i
makepet i
getexp ii? base exp, job exp
getinventorylist ?
getskilllist ?
clearitem ?
classchange i??
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
petskillattack viii
petskillattack2 viiii
petskillsupport viiii
skilleffect vi
npcskilleffect viii
specialeffect i?? effect, target, npc name
specialeffect2 i?? effect, target, name
nude ?
mapwarp ssii??
atcommand s
charcommand s
movenpc sii?
message ss name, text
npctalk s??? text, npc name
chatmes s?
mobcount ss map, spawn event
getlook i?
getsavepoint i?
npcspeed i
npcwalkto ii
npcstop -
getmapxy rrr?? map, x, y, type, name
mapid2name i
checkoption1 i?
checkoption2 i?
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
preg_match ss?
dispbottom s?? text, color
recovery i???
getpetinfo i?
gethominfo i?
getmercinfo i?
checkequipedcard i
jump_zero il
globalmes s?
unequip i?
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
sprintf s* format, value
sscanf ss*
strpos ss?
replacestr sss?? text, find, replace, case, count
countstr ss?
setnpcdisplay sv?? npc name, display name, sprite, size
compare ss text, substring
strcmp ss
getiteminfo ii item, type
setiteminfo iii
getequipcardid ii
sqrt i
pow ii
distance iiii
min * value
minimum *
max * value
maximum *
md5 s
getd s name
setd sv? name, value
callshop s? shop name, type
npcshopitem sii* shop name, item, price, ...
npcshopadditem sii* shop name, item, price, ...
npcshopdelitem si* shop name, item
npcshopattach s? shop name, flag
equip i?
autoequip ii
setbattleflag si?
getbattleflag s
setitemscript is?
disguise i?
undisguise ?
getmonsterinfo ii mob id, type
addmonsterdrop vii
delmonsterdrop vi
axtoi s
query_sql s* query, variable
query_logsql s*
escape_sql v
atoi s text
strtol si
rid2name i
pcfollow ii
pcstopfollow i
pcblockmove ii
unitblockmove ii
pcblockskill ii
unitblockskill ii
setpcblock ii?
getpcblock ?
unitexists i
getunittype i
getunitname i
setunitname is
setunittitle is
getunittitle i
getunitdata i*
setunitdata iii
unitwalk iii?
unitwalkto ii?
unitkill i
unitwarp isii
unitattack iv?
unitstopattack i
unitstopwalk i?
unittalk is?
unitemote ii !deprecated
unitskilluseid ivi??
unitskillusepos iviii?
sleep i ticks
sleep2 i ticks
awake s
getvariableofnpc rs variable, npc name
warpportal iisii
homevolution -
hommutate ?
morphembryo -
homshuffle -
checkhomcall -
eaclass ??
roclass i?
checkvending ?
checkchatting ?
checkidle ?
checkidlehom ?
openmail ?
openauction ?
checkcell siii
setcell siiiiii map, x1, y1, x2, y2, type, flag
getfreecell srr?????
setwall siiiiis
delwall s
checkwall s
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
progressbar_npc si?
pushpc ii
buyingstore i
searchstores ii
showdigit i?
agitstart2 -
agitend2 -
agitcheck2 -
waitingroom2bg sii???
waitingroom2bg_single i????
bg_team_setxy iii
bg_warp isii
bg_monster isiisi?
bg_monster_set_team ii
bg_leave ?
bg_desert ?
bg_destroy i
areapercentheal siiiiii
bg_get_data ii
bg_getareausers isiiii
bg_updatescore sii
bg_join i????
bg_create sii??
bg_reserve s?
bg_unbook s
bg_info si
instance_create s??
instance_destroy ?
instance_id ?
instance_enter s????
instance_npcname s?
instance_mapname s?
instance_warpall sii?
instance_announce isi?????
instance_check_party i???
instance_check_guild i???
instance_check_clan i???
instance_info si?
instance_live_info i?
makerune i?
checkdragon ?
setdragon ??
ismounting ?
setmounting ?
checkre i
getargcount -
getcharip ?
is_function s
get_revision -
get_githash -
freeloop ?
getrandgroupitem i????
cleanmap s
cleanarea siiii
npcskill viii
consumeitem v?
delequip i?
breakequip i?
sit ?
stand ?
bindatcmd ss?? command, event, level, char level
unbindatcmd s command
useatcmd s
questinfo i??
setquest i? quest
erasequest i? quest
completequest i? quest
checkquest i?? quest, type
isbegin_quest i?
changequest ii?
showevent i??
questinfo_refresh ?
getitembound vii?
getitembound2 viiiiiiiii?
countbound ??
party_create s???
party_addmember ii
party_delmember ??
party_changeleader ii
party_changeoption iii
party_destroy i
clan_join i?
clan_leave ?
transform vi?????
active_transform vi?????
vip_status i?
vip_time i?
bonus_script si????
bonus_script_clear ??
getgroupitem i??
enable_command -
disable_command -
getguildmember i??
addspiritball ii?
delspiritball i?
countspiritball ?
mergeitem ?
mergeitem2 ??
npcshopupdate sii?
getattachedrid -
getvar vi
showscript s??
ignoretimeout i?
geteleminfo i?
opendressroom i?
navigateto s???????
getguildalliance ii
adopt vv
getexp2 ii?
recalculatestat -
hateffect ii
getrandomoptinfo i
getequiprandomoption iii?
setrandomoption iiiii?
needed_status_point ii?
jobcanentermap s?
openstorage2 ii?
unloadnpc s
agitstart3 -
agitend3 -
agitcheck3 -
gvgon3 s
gvgoff3 s
channel_create ss?????
channel_setopt sii
channel_setcolor si
channel_setpass ss
channel_setgroup si*
channel_setgroup2 sr
channel_chat ss?
channel_ban si
channel_unban si
channel_kick sv
channel_delete s
getitem3 viiiiiiiirrr?
getitembound3 viiiiiiiiirrr?
rentitem3 viiiiiiiirrr?
makeitem3 visiiiiiiiiirrr
delitem3 viiiiiiiirrr?
countitem3 viiiiiiirrr?
achievementinfo ii?
achievementadd i?
achievementremove i?
achievementcomplete i?
achievementexists i?
achievementupdate iii?
getequiprefinecost iii?
round ii
ceil ii
floor ii
getequiptradability i?
mail isss*
open_roulette ?
identifyall ??
is_guild_leader ?
is_party_leader ?
camerainfo iii?
achievement_condition i
getvariableofinstance ri
convertpcinfo vi
cloakoffnpc s?
cloakonnpc s?
isnpccloaked s?
rentalcountitem v?
rentalcountitem2 viiiiiii?
rentalcountitem3 viiiiiiirrr?

# Commands the server gained after the list above was taken, used by its newer scripts. Where
# their optional arguments are not sure, the shape leaves room rather than raise a false alarm.
close3 -
mesitemlink v?? item id, brackets, shown name
getinstancevar ri variable, instance id
setinstancevar rvi variable, value, instance id
setdialogalign i alignment
setdialogsize ii width, height
setdialogpos ii x, y
setdialogpospercent ii x, y
getequiparmorlv ?? slot, char id
open_quest_ui ?? quest id, char id
openstylist ? char id
laphine_synthesis -
laphine_upgrade -
enchantgradeui ? char id
item_reform ?? item id, char id
item_enchant i? enchant id, char id
refineui ? char id
getenchantgrade ?? slot, char id
get_reputation_points i? type, char id
set_reputation_points ii? type, points, char id
getbaseexp_ratio i?? percent, base level, char id
getjobexp_ratio i?? percent, job level, char id
isdead ? char id
specialpopup i? popup id, char id
autoloot ?? rate, char id
delitemidx i?? index, amount, char id
sellitem i?? item id, price, amount
stopselling i item id
cloakonnpcself s? npc name, char id
cloakoffnpcself s? npc name, char id
