#pragma once

// What the entry panel checks before a draw is stored, and the texts it
// answers with. Checked in this order; the first failure is the answer.

#include "core/Game.h"

#include <QDate>
#include <QString>
#include <optional>

namespace EntryText {
inline const QString kNoIssue = QStringLiteral("请输入彩票期数！");
inline const QString kNoNumber = QStringLiteral("您还未输入开奖号码，请输入开奖号码！");
inline const QString kBadNumber = QStringLiteral("您输入的开奖号码有误，请重新输入开奖号码！");
inline const QString kIssueNotDecimal = QStringLiteral("期数只能由数字组成，请重新输入彩票期数！");
inline const QString kNumberNotDigits = QStringLiteral("开奖号码只能由数字0至9组成，请重新输入开奖号码！");
QString duplicate(const QString& issue); // 第<issue>期数据已经存在，不能重复录入！
QString entered(const QString& issue);   // 第<issue>期数据录入成功！
QString status(const QString& issue);    // 您成功录入<value>期数据信息！
// 没有这一期：<why>，请重新输入彩票期数！ (`why` from impossibleIssue)
QString noSuchIssue(const QString& why);
} // namespace EntryText

// Empty when issue and number may be stored; else the message to show.
// (Whether the issue is already stored is the store's question.) An issue no
// draw of the game can carry (impossibleIssue) is refused too.
QString entryInputProblem(const QString& issue, const QString& number, std::optional<Game> game = std::nullopt,
                          const QDate& today = QDate::currentDate());
