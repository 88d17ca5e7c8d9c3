#pragma once

// The web engine's side of a download: one off-the-record session (cookies
// kept for the helper's life, nothing cached, no pictures) and one page laid
// out at a desktop browser's size, 1280×800, in a view never shown on a
// screen. A page may go on only to http and https addresses.

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <functional>

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

class PageView : public QObject
{
    Q_OBJECT
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;

    explicit PageView(QObject* parent = nullptr);
    ~PageView() override;

    QWebEngineProfile* profile() const { return m_profile; }
    void load(const QUrl& url);
    void stop();
    // The page's text as a person sees it (a table's cells apart by tabs, its
    // rows by line ends), or its length alone when over `limit` characters:
    // a string or a number reaches `answer`.
    void readText(qsizetype limit, std::function<void(const QVariant&)> answer);

signals:
    void loaded(bool ok);
    void crashed();

private:
    QWebEngineProfile* m_profile;
    QWebEngineView* m_view;
    QWebEnginePage* m_page;
};
