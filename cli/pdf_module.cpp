// blowcount-cli-pdf.so: the report painter behind blowcount-cli --pdf. It
// starts a QApplication (charts are drawn by Qt Charts, which needs Qt
// Widgets) for the length of one call, on the offscreen platform where there
// is no display.
#include <cstdio>

#include <QFile>
#include <QApplication>

#include "cli/pdf_module.h"
#include "report/chart_drawing.h"
#include "report/page_painter.h"
#include "report/report_font.h"

namespace {

// Qt's own notices (a missing runtime folder, say) are no concern of the
// command line's user; what went wrong is told by the caller's message.
void quietNotices(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool writePages(const std::vector<report::Page>& pages, const char* path, std::string* problem)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(quietNotices);
    int argc = 1;
    char name[] = "blowcount-cli";
    char* argv[] = {name, nullptr};
    bool written = false;
    {
        const QApplication app(argc, argv);
        report::useChartDrawing();
        if (!report::reportFont()) *problem = "no installed font has Thai letters";
        else written = report::writePdf(pages, QFile::decodeName(path));
    }
    qInstallMessageHandler(previous);
    return written;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool blowcount_write_pages_pdf(const std::vector<report::Page>* pages,
                                                                                 const char* path,
                                                                                 std::string* problem)
{
    [[maybe_unused]] constexpr cli::WritePagesPdfEntry checked = &blowcount_write_pages_pdf;
    return writePages(*pages, path, problem);
}
