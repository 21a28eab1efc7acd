# Quillmere server profile: Hercules.
# What a script may hold for this server family. Edit a copy of this file in your config folder:
# your copy is read instead of this one. A file of your own (<id>.profile) adds a profile.
#
# Settings: name; ignore case (command names, keywords, labels, header words); assignments (the
# operators that make a statement, or no); call functions by name (a global function may be
# called like a command); function visibility ("public function" and "private function").
name = Hercules
ignore case = no
assignments = = += -= *= /= %= **= &= |= ^= <<= >>= ++ --
call functions by name = yes
function visibility = yes

# Header lines: the second field's word, the block kind (script shop warp duplicate monster
# mapflag), "body" when a { } script follows, "state" when written word(<state>), and
# "fields N" when fewer than four tab-separated fields are enough.
[headers]
warp warp
shop shop
cashshop shop
script script body
trader script body
duplicate duplicate
monster monster
boss_monster monster
miniboss_monster monster
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
OnUnTouch
OnTouchNPC
OnCountFunds
OnPayFunds
OnInstanceInit
OnNPCUnload
OnDynamicNpcInit

# name  shape  [!deprecated]  [argument names, comma separated]
# Shape letters: i number, s text, v any value, r variable, l label, ? optional, * any number more;
# - for none. Names ending in "..." repeat. An argument named "event" takes "NPC::label".
[commands]
__jump_zero il
__setr rv?
mes ? text
mes2 *
zmes1 ?
zmes2 ?
mesf s* format, value
mes2f s*
zmes1f s*
zmes2f s*
next -
next2 ?
mesclear -
close -
close2 -
menu sl* option, label, ...
zmenu sl*
select s* option
prompt s* option
zselect s*
zprompt s*
setdialogalign i
goto l label
callsub l* label, argument
callfunc s* function, argument
return ? value
getarg i? index, default
jobchange i? job, upper
jobname i job
input r?? variable, min, max
warp sii? map, x, y, char id
areawarp siiiisii?? map, x1, y1, x2, y2, to map, x, y, x2, y2
warpchar siii map, x, y, char id
warpparty siii??? map, x, y, party id
warpguild siii?? map, x, y, type, guild id
setlook ii type, value
changelook ii type, value
set rv variable, value
setarray rv* array, value
cleararray rvi array, value, count
copyarray rri destination, source, count
getarraysize r array
getarrayindex r
deletearray r? array, count
getelementofarray ri
getitem vi? item, amount, account id
rentitem vi
getitem2 viiiiiiii? item, amount, identified, refine, attribute, card 1, card 2, card 3, card 4, account id
getnameditem vv item, name
groupranditem i
getitemgroupitems ri
makeitem visii?
makeitem2 viiiiiiii?????
delitem vi? item, amount, account id
delitem2 viiiiiiii?
delitemidx i??
enable_items ?
disable_items ?
cutin si image, position
viewpoint iiiii
heal ii hp, sp
itemheal ii hp, sp
percentheal ii hp, sp
rand i? start, end
countitem v item
countitem2 viiiiiii
countnameditem v?
checkweight vi* item, amount, ...
checkweight2 rr
readparam i? parameter, name
setparam ii?
getcharid i? type, name
getnpcid ?
setdialogsize ii
setdialogpos ii
setdialogpospercent ii
getpartyname i party id
getpartymember iir
getpartyleader i?
getguildmember iir
getguildinfo i?
getguildonline i?
strcharinfo i?? type
strnpcinfo i?? type
charid2rid i
getequipid i slot
getequipname i slot
getbrokenid i
getbrokencount -
repair i
repairall -
getequipisequiped i
getequipisenableref i
getequipisidentify i
getequiprefinerycnt i* slot
getequipweaponlv i
getequippercentrefinery i?
successrefitem i?
failedrefitem i
downrefitem i?
statusup i
statusup2 ii
needed_status_point ii
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
setgroupid i?
getgroupid ?
end -
checkoption i?
setoption i??
setcart ? type
checkcart -
setfalcon ? flag
checkfalcon -
setmount ??
checkmount -
checkwug -
savepoint sii map, x, y
gettimetick i type
gettime i? type
gettimestr si? format, length
openstorage i?
guildopenstorage -
itemskill vi?
produce i
cooking i
monster siisii??? map, x, y, name, mob id, amount, event, size, ai
getmobdrops ii?
areamonster siiiisii??? map, x1, y1, x2, y2, name, mob id, amount, event, size, ai
killmonster ss? map, spawn event
killmonsterall s? map
killmonstergid i
clone siisi????
doevent s event
donpcevent s event
addtimer is? ticks, event
deltimer s? event
addtimercount si? event, ticks
gettimer i??
getunits iri?????
initnpctimer ?? npc name, attach
stopnpctimer ?? npc name, detach
startnpctimer ?? npc name, attach
setnpctimer i? ticks, npc name
getnpctimer i? type, npc name
attachnpctimer ? name
detachnpctimer ? npc name
playerattached -
mobattached -
loudhailer s?
announce si????? text, flag, color, font type, font size, font align, font y
mapannounce ssi????? map, text, flag, color, font type, font size, font align, font y
areaannounce siiiisi?????
getusers i
getmapguildusers si
getmapusers s map
getareausers * map, x1, y1, x2, y2
getareadropitem siiiiv
enablenpc s npc name
disablenpc s npc name
hideoffnpc s npc name
hideonnpc s npc name
cloakonnpc s?
cloakoffnpc s?
sc_start iii??? effect, ticks, value, rate, flag, target
sc_start2 iiii???
sc_start4 iiiiii???
sc_end i? effect, target
getstatus i?
getscrate ii?
consolemes iv*
pet i
bpet -
resetlvl i
resetstatus -
resetskill -
resetfeel ?
resethate ?
skillpointcount -
changebase i?
changesex -
changecharsex -
waitingroom si?????? title, limit, event, trigger, zeny, min level, max level
delwaitingroom ? npc name
waitingroomkick ??
enablewaitingroomevent ?
disablewaitingroomevent ?
getwaitingroomstate i?
warpwaitingpc sii??
attachrid i account id
detachrid -
isloggedin i?
setmapflagnosave ssii
getmapflag si map, flag
getmapinfo i?
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
getcastledata si map, type
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
getcartinventorylist -
getskilllist -
clearitem -
classchange ii?
playbgm s? file
playbgmall s?????
playbgmall2 si?????
soundeffect si? file, type
soundeffectall si?????
soundeffectall2 si??????
strmobinfo ii
guardian siisi??
guardianinfo sii
petskillbonus iiii
petrecovery ii
petloot i
petskillattack viiii
petskillsupport viiii
skilleffect vi
npcskilleffect viii
specialeffect i??? effect, target, npc name
specialeffectnum iii???
removespecialeffect i???
nude -
mapwarp ssii??
atcommand s
charcommand s
movenpc sii?
message vs name, text
servicemessage si?
npctalk s?? text, npc name
mobcount ss map, spawn event
getlook i
getsavepoint i
npcspeed i
npcwalkto ii
npcstop -
setnpcdistance i
getnpcdir ?
setnpcdir *
getnpcclass ?
getmapxy rrri? map, x, y, type, name
checkhiding ?
checkoption1 i?
checkoption2 i?
guildgetexp i
guildchangegm is
logmes s?
summon si??
isnight -
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
dressroom ?
pcre_match ss
dispbottom s? text, color
getusersname -
recovery ?????
getpetinfo i
gethominfo i
getmercinfo i?
checkequipedcard i
globalmes s?
unequip i
getstrlen s text
charisalpha si
charat si
isstr v
getdatatype ?
data_to_string ?
string_to_data ?
chr i
ord s
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
getiteminfo vi item, type
setiteminfo iii
getitemlink v????
getequipcardid ii
getequippedoptioninfo i
getequipoption iii
setequipoption iiii
getequipisenableopt i
log10 i
sqrt i
distance iiii
min i* value
max i* value
cap_value iii
md5 s
swap rr
getd s name
setd sv name, value
callshop s? shop name, type
npcshopitem sii* shop name, item, price, ...
npcshopadditem sii* shop name, item, price, ...
npcshopdelitem si* shop name, item
npcshopattach s? shop name, flag
equip i
autoequip ii
equip2 iiiiiii
setbattleflag si
getbattleflag s
setitemscript is?
disguise i
undisguise -
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
setpcblock ii?
checkpcblock ?
getunittype i
setunitdata iiv??
getunitdata ii?
getunitname i
setunitname is
getunittitle i
setunittitle is
unitwalk ii?
unitiswalking ?
unitkill i
unitwarp isii
unitattack iv?
unitstop i
unittalk is???
unitemote ii
unitskilluseid ivi?
unitskillusepos iviii
sleep i ticks
sleep2 i ticks
awake s
getvariableofnpc rs variable, npc name
getvariableofpc ri?
warpportal iisii
homevolution -
hommutate ?
morphembryo -
checkhomcall -
homshuffle -
eaclass ?
roclass i?
checkvending ?
checkchatting ?
checkidle ?
openmail -
openauction -
checkcell siii
setcell siiiiii map, x1, y1, x2, y2, type, flag
setwall siiiiis
delwall s
searchitem rs
mercenary_create ii
mercenary_delete ??
mercenary_heal ii
mercenary_sc_start iii
mercenary_get_calls i
mercenary_get_faith i
mercenary_set_calls ii
mercenary_set_faith ii
readbook ii book, page
setfont i
getfont -
areamobuseskill siiiiviiiii
progressbar si
progressbar_unit si?
pushpc ii
buyingstore i
searchstores ii
showdigit i?
msgtable i?
msgtable2 iv?
agitstart2 -
agitend2 -
agitcheck2 -
achievement_progress iiii?
achievement_iscompleted i?
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
instance_create si?
instance_destroy ?
instance_attachmap si??
instance_detachmap s?
instance_attach i
instance_id -
instance_set_timeout ii?
instance_init i
instance_announce isi?????
instance_npcname s?
has_instance s?
instance_warpall sii?
instance_check_party i???
instance_check_guild i???
instance_mapname s?
instance_set_respawn sii?
has_instance2 s
makerune i
hascashmount -
setcashmount -
getargcount -
getcharip ?
is_function s
freeloop i
getrandgroupitem ii
cleanmap s
cleanarea siiii
npcskill viii
itemeffect v
consumeitem v
delequip i
bindatcmd ss??? command, event, level, char level
unbindatcmd s command
has_permission v?
can_use_command s?
add_group_command siii
getitembound vii?
getitembound2 viiiiiiiii?
countbound ?
checkbound i???????
questinfo i?
setquestinfo i???
setquest i? quest
erasequest i? quest
completequest i? quest
questprogress i?
questactive i
changequest ii
showevent i?
queue -
queuesize i
queueadd ii
queueremove ii
queueopt ii?
queuedel i
queueiterator i
qicheck i
qiget i
qiclear i
packageitem ?
sit ?
stand ?
issit ?
montransform vi?????
active_transform vi?????
bg_create_team sii
bg_join_team i?
bg_match_over s?
openshop ?
sellitem i???*
sellitemcurrency ii?
startsellitem iii
endsellitem -
stopselling i??
setcurrency i?
tradertype i
purchaseok -
shopcount i
navigateto s??????
mesnavigation ss??????
mesmobspawn i?
clan_join i?
clan_leave ?
clan_master i
channelmes ss
addchannelhandler ss
removechannelhandler ss
showscript s??
mergeitem -
getcalendartime ii???
rodex_sendmail isss???????????
rodex_sendmail_acc isss???????????
rodex_sendmail2 isss?????????????????????????????????????????
rodex_sendmail_acc2 isss?????????????????????????????????????????
airship_respond i
openstylist -
openbank -
openquestui ?
opentipboxui ?
_ s
_$ s
hateffect ii
camerainfo -
changecamera iii?
itempreview i
enchantitem iii
expandinventoryack i?
expandinventoryresult i
expandinventory i
getinventorysize -
closeroulette -
openrefineryui -
setfavoriteitemidx ii
autofavoriteitem ii
identify i
identifyidx i
openlapineddukddakboxui ?
openlapineupgradeui ?
callfunctionofnpc vs*
getgrade -
getequipisenablegrade i
getequipgrade i
opengradeui -
calldynamicnpc v
openreformui i
specialpopup i
dynamicnpccreateresult i
setgoldpcmode i?
mesurl ss??
mestipbox si
getunitparam i???
