#pragma once

// What a download says when a page gives it nothing to enter. The page
// helper says most of these; the program that started it says the ones
// about the helper itself.

#include <QString>

namespace PageText {

QString noDraws(const QString& address);
QString notLoaded(const QString& address);
QString timedOut(const QString& address, int seconds);
QString crashed(const QString& address);
// The page's text is over the limit: refused whole, never cut and read.
QString tooLong(const QString& address, qsizetype limit, bool bytes);
// A redirection to a scheme other than http and https, or too many of them.
QString badRedirect(const QString& address);
QString tooManyRedirects(const QString& address);
// The helper process: it could not start, ended without its answer, or answered out of shape.
QString helperMissing(const QString& program);
QString helperEnded(const QString& address, const QString& how);
QString helperMalformed(const QString& address, const QString& problem);
QString tooMuchMemory(const QString& address, qint64 limitBytes);

} // namespace PageText
