// Detection and strict conversion of the Korean, Chinese and Japanese code pages.
#include "east_asian_codec.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

// The converter names Qt hands to ICU. Windows-949 reads every EUC-KR file and the extra
// syllables Korean Windows added; Shift_JIS in ICU is the Windows flavour (CP932).
const char *codecName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::EucKr: return "windows-949";
    case TextEncoding::Gbk: return "GBK";
    case TextEncoding::Big5: return "Big5";
    case TextEncoding::ShiftJis: return "Shift_JIS";
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
    case TextEncoding::Windows1252: break;
    }
    return nullptr;
}

// Each code page turns the bytes of the others into valid but unlikely characters, so the
// decision rests on how much of the decoded text is made of characters people write often.
// These lists hold such characters; they need not be complete, only common.
const char16_t commonHangul[] =
    u"이다는에하의가을를은고지기로요사서니습세게어리도한아자대수시나주보들인그있해여것오마내상우일"
    u"전정라무구장부제거면조소간러원스만개드비려네께신님분데까성적없음잘안저모때말용국동생물경결학"
    u"문행위화공선좀돈템퀘트몬터레벨확택취감합녕엇와릴죠군야예왔았었겠할했된될너희디슨누얼잠깐받"
    u"줄갈올알게임팔살던번째아요봐줘모험가마을입장관련계속공격곳과광교권귀규근글금급긴길김깨꼭끝날"
    u"남낮넣년노놀농누눈늘능늦단달담답당더덕던독돌되두뒤득든듣등따딸땅떠또뜻락란람랑래량럼렇레력련"
    u"령례록론료루류르른름린림립막많맛망매머먹먼멀메며명몇목몸못묻뭐미민밀바박밖반발밤방배백버벌범"
    u"법변별병복본볼봉북불빛빠빨산살삼새색석설속손송숙순술숨쉬슬승식실심십싶싸쌀쓰씨악않앞애약양억"
    u"언얼엄업역연열염영옥온옷완왕외욕운울움웃월유육응익읽잃임입작잔잠재절점접족존종좋죽준중즐직진"
    u"질집짓짜째쪽찾채책처천철첫청체초총최추축출충치친칠침카칼커컴케코크큰키타탈태테토통투특틀파판"
    u"편평포표품프피필학할함항했향허험혀현형호혹혼환활황회효후훈휘휴흐흔희히힘";

const char16_t commonHan[] =
    u"的一是不了在人有我他中上大和地到以要就出可也你生能而子那得着下自之年作用道行所然家事成方多"
    u"去法如都同当没面起看定天分好小部其些主心她本前但因只从想日者意无力它与长把十民第公此已工使"
    u"情明性知全三又点正外将两高间由问很最重并物手向头文体相见被利什二等或新己制身果加西月合回特"
    u"内信老世位次度门任常先海通教儿原东声提立及比员解水名真论处走义各入几口认条平气题活更别打女"
    u"变四神总何数安少报才结反受目太量再感建务做接必场件计管期市直资命山金指许统区保至队形社便空"
    u"决治展马科司五基眼书非则听白却界达光放强即像难且权思王象完设式色路记南品住告类求据程北边死"
    u"张该交规万取拉格望觉术领共确传师观清今切院让识候带导争运笑飞风步改收根造言持组每车亲极林服"
    u"快办往元英士证近失转夫令准布始怎呢存未远叫台单影具字爱击流备兵连调深商算质团集百需价花城石"
    u"级请技示复病息线火满支视消越器容照须九增写称八功吗包片乎查轻易早除找装广显吧图念六引首局突"
    u"费号另周注语考落青随选列武红响推参希古众房半节土投某案黑致律足态护七孩验章音跟站例防族效续"
    u"施留讲型料终答紧黄奇察母段依群项故按河米江害双客采举杀攻父密低朝友止细愿千值男钱破网热助倒"
    u"属坐限船脸速刻乐否刚威毛状独球般怕弹苦创假久错印晚试拿预谁阳若哪送急血惊伤药适波夜初喜卫食"
    u"险待置居财排福欢雷获充负停木游龙树层冷冲射竟句室村策演简卡罪判静退衣您积余痛检差富灵角占配"
    u"修皮胜降善妈读啊超免压银买养怀副乱追帮佛岁优怪香田铁左右份穿背草脚恶块守酒岛户洋哥靠评宝座"
    u"释顾弟登货付慢换闻危忙暗姐介坏良升临亮露永呼味野沙掉鱼减编肯败屋跑梦散困剑封救贵枪缺楼娘朋"
    u"画班耳恩短遗固席松秘谢遇幸钟藏赶票忽巨旧端湖录叶春附吸礼雨呀板饭顺招婚补毒油旅材灭莫笔词圣"
    u"择寻睡烟卖载健堂旁宫喝借禁园避抓荣逃牙跳顶玉雪练肉嘴馆凡洞卷牛纸私丝翻暴塔握戏熟骨访弱歌店"
    u"鬼欲盘扩盖弄稳忘刺齐赛趣曲刀床迎冰玩窗醒透购替休途绿兄套库街甲麻灯针抱鼓夏忍页秀舞圆狂残秋"
    u"迷猛梅伸盟末悲拍丁"
    // The same words in traditional characters, as Big5 files write them.
    u"這個們來為國說時會對發後過麼開樣實現點動從與長當經還進無頭種問幾體業裡見關間學記話買賣錢請謝"
    u"歡迎確認選擇務級購裝備寶藥劑獲驗獎勵領戰鬥險傳誰給讓們嗎該聽覺東車門習難愛變邊歲應隊網"
    // Punctuation of these scripts, full width.
    u"，。！？：；、“”‘’（）《》「」…～";

const char16_t commonKanji[] =
    u"日本人一大年出中子見生上行時分事方会物手何今自気国部前後下言思長入間女明高作当場話";

bool isKana(char16_t c)
{
    return (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) || c == 0x30FC;
}

bool isPrivateUse(char16_t c)
{
    return c >= 0xE000 && c <= 0xF8FF;
}

QSet<char16_t> characterSet(const char16_t *characters)
{
    QSet<char16_t> set;
    for (const char16_t *c = characters; *c; ++c)
        set.insert(*c);
    return set;
}

// Share of the non-ASCII characters that are common in the language the encoding is used for.
double plausibility(const QString &text, TextEncoding encoding)
{
    static const QSet<char16_t> hangul = characterSet(commonHangul);
    static const QSet<char16_t> han = characterSet(commonHan);
    static const QSet<char16_t> kanji = characterSet(commonKanji);
    int wide = 0;
    int common = 0;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80)
            continue;
        ++wide;
        switch (encoding) {
        case TextEncoding::EucKr:
            common += hangul.contains(c);
            break;
        case TextEncoding::Gbk:
        case TextEncoding::Big5:
            common += han.contains(c);
            break;
        case TextEncoding::ShiftJis:
            common += isKana(c) || kanji.contains(c) || han.contains(c);
            break;
        default:
            break;
        }
    }
    // One common character alone proves little: two accented letters often make one.
    return common < 2 ? 0 : double(common) / wide;
}

// Where two bytes from 0x80 up first stand side by side, or -1. Without such a pair no
// double-byte code page fits, and Windows-1252 text of the usual kind (an accent here and
// there) is decided without decoding.
qsizetype firstHighBytePair(const QByteArray &bytes)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = begin + bytes.size();
    const auto *p = begin;
    while (p < end) {
        // Most of a script is ASCII: skipped eight bytes at a time, as large files go through here.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p >= 0x80 && p + 1 < end && p[1] >= 0x80)
            return p - begin;
        ++p;
    }
    return -1;
}

// Enough text to judge by, from the line of the first pair on; whole lines, since no
// double-byte character contains a line break.
QByteArray sampleOf(const QByteArray &bytes, qsizetype firstPair)
{
    constexpr qsizetype sampleSize = 64 * 1024;
    const qsizetype start = bytes.lastIndexOf('\n', firstPair) + 1;
    if (bytes.size() - start <= sampleSize)
        return bytes.mid(start);
    const qsizetype lineEnd = bytes.indexOf('\n', start + sampleSize);
    return lineEnd < 0 ? bytes.mid(start) : bytes.mid(start, lineEnd + 1 - start);
}

// Below this share of common characters the bytes are more likely accented Latin text.
constexpr double minimumPlausibility = 0.3;

} // namespace

namespace EastAsianCodec {

bool isDoubleByte(TextEncoding encoding)
{
    return codecName(encoding) != nullptr;
}

TextEncoding detect(const QByteArray &bytes)
{
    // A UTF-8 mark says what the writer meant, even where the bytes after it went wrong.
    const qsizetype firstPair = bytes.startsWith("\xEF\xBB\xBF") ? -1 : firstHighBytePair(bytes);
    if (firstPair < 0)
        return TextEncoding::Windows1252;
    const QByteArray sample = sampleOf(bytes, firstPair);
    TextEncoding best = TextEncoding::Windows1252;
    double bestScore = minimumPlausibility;
    for (TextEncoding candidate :
         {TextEncoding::EucKr, TextEncoding::Gbk, TextEncoding::Big5, TextEncoding::ShiftJis}) {
        const std::optional<QString> text = decode(sample, candidate);
        if (!text)
            continue;
        const double score = plausibility(*text, candidate);
        // On a tie the earlier candidate stays.
        if (score > bestScore || (best == TextEncoding::Windows1252 && score == bestScore)) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

std::optional<QString> decode(const QByteArray &bytes, TextEncoding encoding)
{
    const char *name = codecName(encoding);
    if (!name)
        return std::nullopt;
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    // Bytes the code page leaves undefined come back as private-use characters (ICU gives
    // Windows-949's 0xFF one): no writer put them there, so the bytes are not this encoding.
    for (QChar ch : std::as_const(text)) {
        if (isPrivateUse(ch.unicode()) || ch.unicode() == 0xFFFD)
            return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> encode(const QString &text, TextEncoding encoding)
{
    const char *name = codecName(encoding);
    if (!name)
        return std::nullopt;
    QStringEncoder encoder(name, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // The converters write a look-alike for some characters (a compatibility ideograph as its
    // unified form): bytes that read back as other text would change the user's text on save.
    if (decode(bytes, encoding) != text)
        return std::nullopt;
    return bytes;
}

} // namespace EastAsianCodec

QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom: return QStringLiteral("UTF-8 with BOM");
    case TextEncoding::Windows1252: return QStringLiteral("Windows-1252");
    case TextEncoding::EucKr: return QStringLiteral("EUC-KR");
    case TextEncoding::Gbk: return QStringLiteral("GBK");
    case TextEncoding::Big5: return QStringLiteral("Big5");
    case TextEncoding::ShiftJis: return QStringLiteral("Shift-JIS");
    }
    return QString();
}
