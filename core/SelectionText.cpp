#include "core/SelectionText.h"

QString SelectText::generated(int count)
{
    return QStringLiteral("按设置条件投注完成，过滤后共有") + QString::number(count) + QStringLiteral("注！");
}

QString SelectText::onlyAvailable(int available)
{
    return QStringLiteral("符合条件的号码只有%1注，已全部列出！").arg(available);
}

QString SelectText::askDrawn(const QString& bet, const QString& issue)
{
    return QStringLiteral("号码") + bet + QStringLiteral("在") + issue + QStringLiteral("期已经出现，是否将过滤掉！");
}

QString SelectText::filtered(int removed)
{
    return QStringLiteral("过滤完毕，共过滤掉") + QString::number(removed) + QStringLiteral("注号码");
}

QString SelectText::nearlyEveryNumber(int numbers)
{
    return QStringLiteral("所选范围内已开出%1个不同号码，过滤将去掉几乎全部投注").arg(numbers);
}

QString SelectText::saved(const QString& fileName)
{
    return QStringLiteral("数据导出成功，已保存至") + fileName;
}
