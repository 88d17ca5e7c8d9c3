#pragma once

// Pages in the shapes today's result sources have, served by a PageServer,
// with what a download of each must store. Shared by the download window's
// test and the address import of quorvane-import.

#include "exchange/ResultPage.h"
#include "store/DrawStore.h"
#include "tests/ui/exchange/PageServer.h"

#include <QStringList>
#include <vector>

struct SourcePage
{
    const char* name;
    QString addresses; // one line of the address list
    Game game;
    QStringList issues;      // stored afterwards, in issue order
    QString lastNumber;      // the number of the last issue
    QStringList missing;     // named in the download's log
    bool readsTablesAndJson; // needs the reader of tables, JSON and long lines
};

inline QByteArray gbkHtml(const QString& body)
{
    return toGbk(QStringLiteral("<html><head><title>开奖公告</title></head><body>%1</body></html>").arg(body));
}

// Serves every shape on `server` and lists them.
inline std::vector<SourcePage> serveSourcePages(PageServer& server)
{
    // A result table its script fills a second after loading, the newest
    // draw first, one issue missing.
    server.page("/fc3d-table", gbkHtml(QStringLiteral(R"(<h3>福彩3D开奖公告</h3>
<table id="draws"><tr><th>期号</th><th>开奖日期</th><th>开奖号码</th></tr></table>
<script>
setTimeout(function() {
    var rows = [["2026154", "2026-06-13", "3 7 7"], ["2026153", "2026-06-12", "0 1 2"],
                ["2026151", "2026-06-10", "5 5 8"], ["2026150", "2026-06-09", "9 0 4"]];
    var table = document.getElementById("draws");
    rows.forEach(function(row) {
        var tr = table.insertRow();
        row.forEach(function(cell) { tr.insertCell().textContent = cell; });
    });
}, 1000);
</script>)")));
    server.page("/fc3d-query",
                {.body = QByteArray(R"J({"state":0,"message":"查询成功","result":[)J"
                                    R"J({"name":"3d","code":"2026154","date":"2026-06-13(六)","red":"3,7,7"},)J"
                                    R"J({"name":"3d","code":"2026153","date":"2026-06-12(五)","red":"0,1,2"}]})J"),
                 .type = "application/json;charset=UTF-8"});
    server.page("/pl3-query",
                {.body = QByteArray(
                     R"J({"success":true,"errorCode":"0","value":{"list":[)J"
                     R"J({"lotteryDrawNum":"26154","lotteryDrawResult":"3 7 7","lotteryDrawTime":"2026-06-13"},)J"
                     R"J({"lotteryDrawNum":"26153","lotteryDrawResult":"0 1 2","lotteryDrawTime":"2026-06-12"}]}})J"),
                 .type = "application/json;charset=UTF-8"});
    server.page("/3d_asc.txt", {.body = "2026001 2026-01-01 0 7 3 1 4 5 280834912 1040 173 34616\n"
                                        "2026002 2026-01-02 4 4 1 2 9 0 279120534 2210 0 41297\n"
                                        "2026003 2026-01-03 9 6 2 3 3 7 281553098 998 204 36870\n",
                                .type = "text/plain; charset=utf-8"});
    // A query that answers only a session which has opened the site's page.
    server.page("/site", {.body = gbkHtml(QStringLiteral("<p>欢迎访问</p>")), .setCookie = "visited=yes; Path=/"});
    server.page("/site-query", {.body = gbkHtml(QStringLiteral("<p>3D号码：26101期123 26102期456 以上为最新开奖</p>")),
                                .needsCookie = "visited=yes"});
    server.hangingPage("/never");

    auto at = [&](const QString& paths) {
        QStringList urls;
        for (const QString& path : paths.split(u' '))
            urls << server.url(path);
        return urls.join(u' ');
    };
    return {
        {"script-filled table",
         at("/fc3d-table"),
         Game::Fucai,
         {"2026150", "2026151", "2026153", "2026154"},
         "377",
         {"2026152"},
         false},
        {"cookie of the site's page", at("/site /site-query"), Game::Fucai, {"26101", "26102"}, "456", {}, false},
        {"welfare query JSON", at("/fc3d-query"), Game::Fucai, {"2026153", "2026154"}, "377", {}, true},
        {"sports query JSON", at("/pl3-query"), Game::Ticai, {"26153", "26154"}, "377", {}, true},
        {"plain-text history", at("/3d_asc.txt"), Game::Fucai, {"2026001", "2026002", "2026003"}, "962", {}, true},
    };
}
