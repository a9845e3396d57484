// blowcount-icon-files OUTDIR NAME: the program's icon as the desktop takes
// it, drawn by the same code as the logo in the program: OUTDIR/NAME.svg and
// OUTDIR/NAME-48.png, -64, -128 and -256. Exit status 1 when a file cannot be
// written.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "app/icons.h"

namespace {

// A build step: Qt's notices about its surroundings (no runtime folder, say)
// are no concern of the build's log.
void quietNotices(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietNotices);
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: blowcount-icon-files OUTDIR NAME\n");
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    const QString name = QFile::decodeName(argv[2]);
    bool written = true;
    for (const int size : {48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
        if (!app::icons::programIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "blowcount-icon-files: cannot write %s\n", qPrintable(path));
            written = false;
        }
    }

    constexpr int kSvgSize = 256;
    const QString svgPath = folder.filePath(name + QStringLiteral(".svg"));
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Blow Count"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "blowcount-icon-files: cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    app::icons::drawProgramIcon(painter, kSvgSize);
    if (!painter.end()) written = false;
    return written ? 0 : 1;
}
