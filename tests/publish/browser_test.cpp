// A published ontology as a web browser sees it: headless Chromium opens the frame page,
// and the test reads what the browser shows in the two frames, following three links of
// the index as a reader clicks them. Skipped where Chromium cannot be run.

#include "SelectionFixture.h"
#include "publish/PublishOntology.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Loads the frame page in a frame of its own, waits for both frames, then clicks index
// links by position and notes the title of the page each one brings into the main frame.
const char *driverPage = R"(<html><body><pre id="out"></pre>
<iframe id="f" src="FRAME_URL" width="800" height="600"></iframe>
<script>
function log(s) { document.getElementById('out').textContent += s + '\n'; }
function wait(ms) { return new Promise(r => setTimeout(r, ms)); }
async function waitFor(cond) {
  for (let i = 0; i < 200; i++) { try { if (cond()) return true; } catch (e) {} await wait(50); }
  return false;
}
async function run() {
  const top = document.getElementById('f').contentWindow;
  const loaded = await waitFor(() => top.frames.length == 2 && top.frames[0].document.readyState == 'complete' &&
                                     top.frames[1].document.readyState == 'complete' &&
                                     top.frames[0].document.links.length > 0);
  if (!loaded) { log('FRAMES NOT LOADED'); return; }
  const index = top.frames[0].document;
  log('INDEX ' + index.title.trim());
  log('MAIN ' + top.frames[1].document.title);
  const links = Array.from(index.links);
  for (const i of [LINKS]) {
    const a = links[i];
    a.click();
    const followed = await waitFor(() => top.frames[1].location.href == a.href &&
                                         top.frames[1].document.readyState == 'complete');
    log('LINK ' + a.textContent.trim() + ' -> ' + (followed ? top.frames[1].document.title : 'NOT LOADED'));
  }
  log('DONE');
}
window.onload = () => run().catch(e => log('ERROR ' + e));
</script></body></html>)";

}  // namespace

TEST(PublishedOntologyInABrowser, TheFramePageShowsTheIndexAndTheRootAndLinksLeadToTheirPages)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";

    SelectionOntology o;
    OntologyInfo.Name = QStringLiteral("Fleet");
    TestFolder dir;
    const QString folder = dir.file(QStringLiteral("Fleet-publish"));
    ASSERT_TRUE(QDir().mkpath(folder));
    PublishOntology(folder + QLatin1Char('/'), [](qsizetype, qsizetype) {});

    // Table order: ALL, TRUCK, VEHICLE, CAR, CAR-2, ANIMAL, CAT, Cattle.
    QString driver = QString::fromUtf8(driverPage);
    driver.replace(QStringLiteral("FRAME_URL"),
                   QUrl::fromLocalFile(folder + QStringLiteral("/fleet-publish.html")).toString(QUrl::FullyEncoded));
    driver.replace(QStringLiteral("LINKS"), QStringLiteral("2, 4, 7"));
    QFile page(dir.file(QStringLiteral("driver.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(driver.toUtf8());
    page.close();

    QProcess browser;
    browser.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                             QStringLiteral("--allow-file-access-from-files"),
                             QStringLiteral("--user-data-dir=") + dir.file(QStringLiteral("profile")),
                             QStringLiteral("--virtual-time-budget=30000"), QStringLiteral("--dump-dom"),
                             QUrl::fromLocalFile(page.fileName()).toString(QUrl::FullyEncoded)});
    if (!browser.waitForStarted(10000))
        GTEST_SKIP() << "chromium cannot be started";
    if (!browser.waitForFinished(90000) || browser.exitCode() != 0) {
        browser.kill();
        GTEST_SKIP() << "chromium cannot be run here: " << browser.readAllStandardError().right(400).toStdString();
    }
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QString shown = dom.section(QStringLiteral("<pre id=\"out\">"), 1).section(QStringLiteral("</pre>"), 0, 0);
    EXPECT_EQ(shown.toStdString(), "INDEX fleet index\n"
                     "MAIN ALL\n"
                     "LINK VEHICLE -&gt; VEHICLE\n"
                     "LINK CAR-2 -&gt; CAR-2\n"
                     "LINK Cattle -&gt; Cattle\n"
                     "DONE\n");
}
