#pragma once

// The texts the selection commands answer with, in one place.

#include <QString>

namespace SelectText {
inline const QString kNoDigits1 = QStringLiteral("请选择第一位数字的候选号码！");
inline const QString kNoDigits2 = QStringLiteral("请选择第二位数字的候选号码！");
inline const QString kNoDigits3 = QStringLiteral("请选择第三位数字的候选号码！");
inline const QString kBadSumRange = QStringLiteral("和数个数范围错误，请重新选择！");
inline const QString kBadOddRange = QStringLiteral("单数个数范围错误，请重新选择！");
inline const QString kBadBigRange = QStringLiteral("大数个数范围错误，请重新选择！");
inline const QString kBadAcRange = QStringLiteral("AC值范围错误，请重新选择！");
inline const QString kBadSameRange = QStringLiteral("同号个数范围错误，请重新选择！");
inline const QString kBadRepeatRange = QStringLiteral("重号个数范围错误，请重新选择！");
inline const QString kBadNeighbourRange = QStringLiteral("邻号个数范围错误，请重新选择！");
inline const QString kNoLimit = QStringLiteral("您已经选择注数限制，注数不能为空，请输入投注注数！");
inline const QString kNoSingleSums = QStringLiteral("您已经选择单个和值限制，和值不能为空，请输入！");
inline const QString kBadSingleSums = QStringLiteral("您输入的单个和值有误，请重新输入！");
inline const QString kSumExclusion = QStringLiteral("和值范围和单个和值只能任选其一，不能同时选取！");
QString generated(int count); // 按设置条件投注完成，过滤后共有<count>注！

inline const QString kNoRandomCount = QStringLiteral("随机号码生成注数未输入，请重新输入！");
inline const QString kBadRandomCount = QStringLiteral("您输入的数字有误，请重新输入！");
QString onlyAvailable(int available); // 符合条件的号码只有<available>注，已全部列出！
inline const QString kGaveUp = QStringLiteral("您选择的条件几乎无匹配号码，请重新设置投注限制！");

inline const QString kAskTitle = QStringLiteral("提示");
QString askDrawn(const QString& bet, const QString& issue); // 号码<bet>在<issue>期已经出现，是否将过滤掉！
QString filtered(int removed);                              // 过滤完毕，共过滤掉<removed>注号码
QString nearlyEveryNumber(int numbers); // 所选范围内已开出<numbers>个不同号码，过滤将去掉几乎全部投注
inline const QString kRemoveAll = QStringLiteral("全部去掉");
inline const QString kKeepAll = QStringLiteral("全部保留");
inline const QString kOneByOne = QStringLiteral("逐个确认");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kRemoveOne = QStringLiteral("确定"); // the per-bet question's buttons, in order
inline const QString kRemoveRest = QStringLiteral("全部去掉其余");

inline const QString kNoPrinter = QStringLiteral("找不到打印机或者未安装正确！");
inline const QString kPrintTitle = QStringLiteral("投注号码");
QString saved(const QString& fileName); // 数据导出成功，已保存至<fileName>
} // namespace SelectText
