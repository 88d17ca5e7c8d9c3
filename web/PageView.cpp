#include "web/PageView.h"

#include "exchange/DownloadList.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// A results page has no business going anywhere but the web: no file of
// this machine, no other scheme, in the page or in any of its frames.
class WebOnlyPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        return isWebScheme(url) || url == QUrl(QStringLiteral("about:blank")) ||
               url == QUrl(QStringLiteral("about:srcdoc"));
    }
    // Pop-ups open nowhere.
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

} // namespace

PageView::PageView(QObject* parent) : QObject(parent)
{
    // No storage name: off the record, cookies held in memory for the
    // helper's life; nothing cached, so every run sees the page as it is now.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_page = new WebOnlyPage(m_profile, this);
    m_page->setObjectName(QStringLiteral("WebBrowser1"));
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    // Without a view a page lays out at 0×0, where text wraps at every
    // character: a desktop browser's window, never shown.
    m_view = new QWebEngineView;
    m_view->setPage(m_page);
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    m_view->resize(kWidth, kHeight);
    m_view->show();
    connect(m_page, &QWebEnginePage::loadFinished, this, &PageView::loaded);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    emit crashed();
            });
}

// The view and the page go before their profile.
PageView::~PageView()
{
    m_page->disconnect(this);
    delete m_view;
    delete m_page;
}

void PageView::load(const QUrl& url)
{
    m_page->load(url);
}

void PageView::stop()
{
    m_page->triggerAction(QWebEnginePage::Stop);
}

void PageView::readText(qsizetype limit, std::function<void(const QVariant&)> answer)
{
    m_page->runJavaScript(QStringLiteral("(function () {"
                                         "  var root = document.body || document.documentElement;"
                                         "  var text = root ? root.innerText : '';"
                                         "  return text.length > %1 ? text.length : text;"
                                         "})()")
                              .arg(limit),
                          std::move(answer));
}
