#include "exchange/SchemeFile.h"

#include "core/BetFilter.h"
#include "exchange/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <functional>

namespace {

const QString kSubfolder = QStringLiteral("user/方案");
const QString kSuffix = QStringLiteral(".ini");
const QString kHead = QStringLiteral("方案");
const QString kManual = QStringLiteral("手动选号");
const QString kExtended = QStringLiteral("扩展过滤");
const QString kRandom = QStringLiteral("随机选号");
const QString kFormatKey = QStringLiteral("格式");
const QString kFormat = QStringLiteral("Quorvane选号方案");
const QString kVersionKey = QStringLiteral("版本");
const QString kVersion = QStringLiteral("1");
const QString kGameKey = QStringLiteral("彩种");
const QString kSavedIssueKey = QStringLiteral("保存时最新期号");
const QString kSavedDateKey = QStringLiteral("保存日期");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kMissing = QStringLiteral("\x01"); // no key line: a key line never holds a control character
constexpr qint64 kMaxFileSize = 64 * 1024;       // a scheme is about 2 KB

const QStringList& kindNames()
{
    static const QStringList names{QStringLiteral("直选"), QStringLiteral("组选3"), QStringLiteral("组选6")};
    return names;
}

const QStringList& danModeNames()
{
    static const QStringList names{QStringLiteral("至少含一个"), QStringLiteral("全部包含")};
    return names;
}

// A range condition with the highest value its lists offer.
struct RangeField
{
    const char16_t* key;
    int max;
    RangeCondition GenerationConditions::*manual = nullptr;
    RangeCondition CountConditions::*random = nullptr;
    RangeCondition ExtendedConditions::*extended = nullptr;
};

const RangeField kManualRanges[] = {
    {u"和值范围", 63, &GenerationConditions::sum},  {u"奇数限制", 7, &GenerationConditions::odd},
    {u"大数限制", 7, &GenerationConditions::big},   {u"AC值范围", 12, &GenerationConditions::ac},
    {u"同号个数", 7, &GenerationConditions::same},  {u"跨度限制", 9, &GenerationConditions::span},
    {u"质数限制", 7, &GenerationConditions::prime}, {u"0 路限制", 7, &GenerationConditions::route0},
    {u"1 路限制", 7, &GenerationConditions::route1}};
const RangeField kRandomRanges[] = {{u"和数限制", 63, nullptr, &CountConditions::sum},
                                    {u"奇数个数", 7, nullptr, &CountConditions::odd},
                                    {u"大数个数", 7, nullptr, &CountConditions::big},
                                    {u"AC值范围", 12, nullptr, &CountConditions::ac},
                                    {u"同号个数", 7, nullptr, &CountConditions::same}};
const RangeField kExtendedRanges[] = {{u"重号个数", 3, nullptr, nullptr, &ExtendedConditions::repeat},
                                      {u"邻号个数", 3, nullptr, nullptr, &ExtendedConditions::neighbour}};

struct SetField
{
    ConditionId id;
    ValueSetCondition ExtendedConditions::*field;
    const QStringList& (*captions)();
};

const SetField kSets[] = {
    {ConditionId::Dan, &ExtendedConditions::dan, ExtendedValues::digits},
    {ConditionId::Kill, &ExtendedConditions::kill, ExtendedValues::digits},
    {ConditionId::SumExcluded, &ExtendedConditions::sumExcluded, ExtendedValues::sums},
    {ConditionId::SpanExcluded, &ExtendedConditions::spanExcluded, ExtendedValues::digits},
    {ConditionId::SumTail, &ExtendedConditions::sumTail, ExtendedValues::digits},
    {ConditionId::Shape, &ExtendedConditions::shape, ExtendedValues::shapes},
    {ConditionId::Run, &ExtendedConditions::run, ExtendedValues::runs},
    {ConditionId::BigSmall, &ExtendedConditions::bigSmall, ExtendedValues::bigSmall},
    {ConditionId::OddEven, &ExtendedConditions::oddEven, ExtendedValues::oddEven},
    {ConditionId::PrimeComposite, &ExtendedConditions::primeComposite, ExtendedValues::primeComposite},
    {ConditionId::Route, &ExtendedConditions::route, ExtendedValues::routes},
    {ConditionId::PairSumTail, &ExtendedConditions::pairSumTail, ExtendedValues::digits},
    {ConditionId::PairDiff, &ExtendedConditions::pairDiff, ExtendedValues::digits}};

const QString kDigitKeys[3] = {QStringLiteral("第一位"), QStringLiteral("第二位"), QStringLiteral("第三位")};
const QString kKindKey = QStringLiteral("投注方式");
const QString kSingleSumsKey = QStringLiteral("单个和值");
const QString kLimitKey = QStringLiteral("注数限制");
const QString kDanModeKey = QStringLiteral("胆码方式");
const QString kRandomCountKey = QStringLiteral("机选注数");
const QString kUseExtendedKey = QStringLiteral("同时使用扩展过滤");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString rangeText(const RangeCondition& r)
{
    return QStringLiteral("%1,%2,%3").arg(flag(r.ticked)).arg(r.low).arg(r.high);
}

QString setText(const ValueSetCondition& s, const QStringList& captions)
{
    QStringList chosen;
    for (int v = 0; v < captions.size(); ++v)
        if (s.has(v))
            chosen << captions[v];
    return flag(s.ticked) + QLatin1Char('|') + chosen.join(QLatin1Char(','));
}

// Reads one file entry by entry; the first entry that is missing or not of
// its form ends the load with its section, key and value named.
class Reader
{
public:
    Reader(const QString& path, const QString& name) : m_ini(path), m_name(name) {}

    std::optional<QString> optional(const QString& section, const QString& key) const
    {
        const QString value = m_ini.readString(section, key, kMissing);
        return value == kMissing ? std::nullopt : std::optional<QString>(value);
    }

    QString raw(const QString& section, const QString& key) const
    {
        const QString value = m_ini.readString(section, key, kMissing);
        if (value == kMissing)
            throw SchemeError(QStringLiteral("方案“%1”无法载入：缺少 [%2] %3。").arg(m_name, section, key));
        return value;
    }

    [[noreturn]] void refuse(const QString& section, const QString& key, const QString& value) const
    {
        throw SchemeError(
            QStringLiteral("方案“%1”无法载入：[%2] %3 的值“%4”无法读取。").arg(m_name, section, key, value.left(40)));
    }

    QString matching(const QString& section, const QString& key, const QRegularExpression& form) const
    {
        const QString value = raw(section, key);
        if (!form.match(value).hasMatch())
            refuse(section, key, value);
        return value;
    }

    bool flagOf(const QString& section, const QString& key) const
    {
        return matching(section, key, QRegularExpression(QStringLiteral("^[01]$"))) == QLatin1String("1");
    }

    int indexOf(const QString& section, const QString& key, const QStringList& choices) const
    {
        const QString value = raw(section, key);
        const qsizetype at = choices.indexOf(value);
        if (at < 0)
            refuse(section, key, value);
        return int(at);
    }

    RangeCondition range(const QString& section, const QString& key, int max) const
    {
        const QString value =
            matching(section, key, QRegularExpression(QStringLiteral("^([01]),(\\d{1,2}),(\\d{1,2})$")));
        const QStringList parts = value.split(QLatin1Char(','));
        const RangeCondition r{parts[0] == QLatin1String("1"), parts[1].toInt(), parts[2].toInt()};
        if (r.low > max || r.high > max)
            refuse(section, key, value);
        return r;
    }

    ValueSetCondition set(const QString& section, const QString& key, const QStringList& captions) const
    {
        const QString value = raw(section, key);
        const qsizetype bar = value.indexOf(QLatin1Char('|'));
        const QString tick = value.left(bar);
        if (bar < 0 || (tick != QLatin1String("0") && tick != QLatin1String("1")))
            refuse(section, key, value);
        ValueSetCondition s{tick == QLatin1String("1"), 0};
        const QString list = value.mid(bar + 1);
        if (list.isEmpty())
            return s;
        for (const QString& caption : list.split(QLatin1Char(','))) {
            const qsizetype at = captions.indexOf(caption.trimmed());
            if (at < 0)
                refuse(section, key, value);
            s.set(int(at), true);
        }
        return s;
    }

    // A "勾|文字" entry whose text has the form the box accepts.
    std::pair<bool, QString> tickedText(const QString& section, const QString& key, const QString& textForm) const
    {
        const QString value =
            matching(section, key, QRegularExpression(QStringLiteral("^([01])\\|(%1)$").arg(textForm)));
        return {value.startsWith(QLatin1Char('1')), value.mid(2)};
    }

private:
    IniFile m_ini;
    QString m_name;
};

const QRegularExpression& digitRowForm()
{
    // Each digit once at most, as clicking the panels gives.
    static const QRegularExpression form(QStringLiteral("^(?!.*(\\d).*\\1)\\d{0,10}$"));
    return form;
}

// The mark of a scheme saved with one; a scheme of an older version has none.
std::optional<SchemeMark> savedMark(const Reader& r)
{
    if (!r.optional(kHead, kSavedIssueKey))
        return std::nullopt;
    SchemeMark mark;
    const QString game = r.raw(kHead, kGameKey);
    if (game != gameName(Game::Fucai) && game != gameName(Game::Ticai))
        r.refuse(kHead, kGameKey, game);
    mark.game = game == gameName(Game::Fucai) ? Game::Fucai : Game::Ticai;
    mark.issue = r.matching(kHead, kSavedIssueKey, QRegularExpression(QStringLiteral("^[0-9]{0,12}$")));
    const QString date = r.raw(kHead, kSavedDateKey);
    mark.date = QDate::fromString(date, kDateFormat);
    if (!mark.date.isValid())
        r.refuse(kHead, kSavedDateKey, date);
    return mark;
}

QString pathOf(const QString& userFolder, const QString& name)
{
    return QDir(Schemes::folder(userFolder)).filePath(name + kSuffix);
}

} // namespace

namespace Schemes {

QString folder(const QString& userFolder)
{
    return QDir(userFolder).filePath(kSubfolder);
}

QString nameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("请输入方案名称！");
    if (name.size() > kMaxNameLength)
        return QStringLiteral("方案名称太长，最多 %1 个字符！").arg(kMaxNameLength);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name)
        if (forbidden.contains(c) || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.isSurrogate() || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QStringLiteral("方案名称不能含有 / \\ : * ? \" < > | 或控制字符！");
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')) || name.contains(QLatin1String("..")) || name != name.trimmed())
        return QStringLiteral("方案名称不能以空格或“.”开头或结尾，也不能含有“..”！");
    return {};
}

QStringList names(const QString& userFolder)
{
    QStringList list;
    const QFileInfoList files =
        QDir(folder(userFolder)).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        if (nameProblem(file.completeBaseName()).isEmpty())
            list << file.completeBaseName();
    return list;
}

bool exists(const QString& userFolder, const QString& name)
{
    return QFileInfo::exists(pathOf(userFolder, name));
}

void save(const QString& userFolder, const QString& name, const SelectionScheme& scheme)
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        throw SchemeError(problem);
    const QString target = pathOf(userFolder, name);
    const QString cannotWrite =
        QStringLiteral("无法保存方案“%1”：%2 不能写入。").arg(name, QDir::toNativeSeparators(target));
    if (!QDir().mkpath(folder(userFolder)))
        throw SchemeError(cannotWrite);

    // Written key by key beside, then put in place whole.
    QTemporaryDir scratch;
    const IniFile ini(scratch.filePath(QStringLiteral("scheme.ini")));
    try {
        ini.writeString(kHead, kFormatKey, kFormat);
        ini.writeString(kHead, kVersionKey, kVersion);
        if (scheme.saved) {
            ini.writeString(kHead, kGameKey, gameName(scheme.saved->game));
            ini.writeString(kHead, kSavedIssueKey, scheme.saved->issue);
            ini.writeString(kHead, kSavedDateKey, scheme.saved->date.toString(kDateFormat));
        }
        const GenerationInput& m = scheme.manual;
        const QString digits[3] = {m.digits1, m.digits2, m.digits3};
        for (int i = 0; i < 3; ++i)
            ini.writeString(kManual, kDigitKeys[i], digits[i]);
        ini.writeString(kManual, kKindKey, kindNames()[int(scheme.kind)]);
        for (const RangeField& f : kManualRanges)
            ini.writeString(kManual, QString::fromUtf16(f.key), rangeText(m.ranges.*f.manual));
        ini.writeString(kManual, kSingleSumsKey, flag(m.singleSumsTicked) + QLatin1Char('|') + m.singleSumsText);
        ini.writeString(kManual, kLimitKey, flag(m.limitTicked) + QLatin1Char('|') + m.limitText);
        const ExtendedConditions& e = m.ranges.extended;
        for (const SetField& f : kSets)
            ini.writeString(kExtended, conditionName(f.id), setText(e.*f.field, f.captions()));
        ini.writeString(kExtended, kDanModeKey, danModeNames()[int(e.danMode)]);
        for (const RangeField& f : kExtendedRanges)
            ini.writeString(kExtended, QString::fromUtf16(f.key), rangeText(e.*f.extended));
        ini.writeString(kRandom, kRandomCountKey, scheme.randomCount);
        for (const RangeField& f : kRandomRanges)
            ini.writeString(kRandom, QString::fromUtf16(f.key), rangeText(scheme.random.*f.random));
        ini.writeString(kRandom, kUseExtendedKey, flag(scheme.random.useExtended));
    } catch (const IniWriteError&) {
        throw SchemeError(cannotWrite);
    }
    QFile written(ini.path());
    QSaveFile out(target);
    if (!written.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        throw SchemeError(cannotWrite);
    const QByteArray bytes = written.readAll();
    if (out.write(bytes) != bytes.size() || !out.commit())
        throw SchemeError(cannotWrite);
}

SelectionScheme load(const QString& userFolder, const QString& name)
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        throw SchemeError(problem);
    const QString path = pathOf(userFolder, name);
    const QFileInfo file(path);
    if (!file.isFile())
        throw SchemeError(QStringLiteral("找不到方案“%1”！").arg(name));
    if (file.size() > kMaxFileSize)
        throw SchemeError(QStringLiteral("方案“%1”无法载入：文件太大，不是选号方案。").arg(name));
    const Reader r(path, name);
    if (r.raw(kHead, kFormatKey) != kFormat)
        r.refuse(kHead, kFormatKey, r.raw(kHead, kFormatKey));
    if (r.raw(kHead, kVersionKey) != kVersion)
        r.refuse(kHead, kVersionKey, r.raw(kHead, kVersionKey));

    SelectionScheme s;
    GenerationInput& m = s.manual;
    QString* digits[3] = {&m.digits1, &m.digits2, &m.digits3};
    for (int i = 0; i < 3; ++i)
        *digits[i] = r.matching(kManual, kDigitKeys[i], digitRowForm());
    s.kind = BetKind(r.indexOf(kManual, kKindKey, kindNames()));
    for (const RangeField& f : kManualRanges)
        m.ranges.*f.manual = r.range(kManual, QString::fromUtf16(f.key), f.max);
    std::tie(m.singleSumsTicked, m.singleSumsText) = r.tickedText(kManual, kSingleSumsKey, QStringLiteral("[0-9,]*"));
    std::tie(m.limitTicked, m.limitText) = r.tickedText(kManual, kLimitKey, QStringLiteral("[0-9]{0,7}"));
    ExtendedConditions& e = m.ranges.extended;
    for (const SetField& f : kSets)
        e.*f.field = r.set(kExtended, conditionName(f.id), f.captions());
    e.danMode = DanMode(r.indexOf(kExtended, kDanModeKey, danModeNames()));
    for (const RangeField& f : kExtendedRanges)
        e.*f.extended = r.range(kExtended, QString::fromUtf16(f.key), f.max);
    s.randomCount = r.matching(kRandom, kRandomCountKey, QRegularExpression(QStringLiteral("^[0-9]{0,7}$")));
    for (const RangeField& f : kRandomRanges)
        s.random.*f.random = r.range(kRandom, QString::fromUtf16(f.key), f.max);
    s.random.useExtended = r.flagOf(kRandom, kUseExtendedKey);
    if (m.ranges.sum.ticked && m.singleSumsTicked) // the window lets only one of them be ticked
        r.refuse(kManual, kSingleSumsKey, QStringLiteral("1|") + m.singleSumsText);
    s.random.extended = e;
    s.saved = savedMark(r);
    return s;
}

void remove(const QString& userFolder, const QString& name)
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        throw SchemeError(problem);
    QFile file(pathOf(userFolder, name));
    if (!file.exists())
        throw SchemeError(QStringLiteral("找不到方案“%1”！").arg(name));
    if (!file.remove())
        throw SchemeError(QStringLiteral("无法删除方案“%1”：%2").arg(name, file.errorString()));
}

QString renameProblem(const QString& userFolder, const QString& from, const QString& to)
{
    if (const QString problem = nameProblem(to); !problem.isEmpty())
        return problem;
    // Never over another scheme: QFile::rename refuses an existing target too,
    // but says so in words of its own.
    if (from != to && exists(userFolder, to))
        return QStringLiteral("方案“%1”已经存在，请换一个名称！").arg(to);
    return {};
}

void rename(const QString& userFolder, const QString& from, const QString& to)
{
    if (const QString problem = nameProblem(from); !problem.isEmpty())
        throw SchemeError(problem);
    if (const QString problem = renameProblem(userFolder, from, to); !problem.isEmpty())
        throw SchemeError(problem);
    QFile file(pathOf(userFolder, from));
    if (!file.exists())
        throw SchemeError(QStringLiteral("找不到方案“%1”！").arg(from));
    if (from != to && !file.rename(pathOf(userFolder, to)))
        throw SchemeError(QStringLiteral("无法将方案“%1”改名为“%2”：%3").arg(from, to, file.errorString()));
}

} // namespace Schemes
