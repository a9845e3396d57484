#include "tests/report/pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>

namespace report::pdf {

std::optional<QString> run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

namespace {

QString unescapeHtml(QString text)
{
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    return text.replace("&amp;", "&");
}

}  // namespace

std::optional<std::vector<Word>> words(const QString& pdfPath)
{
    const std::optional<QString> out = run("pdftotext", {"-bbox", pdfPath, "-"});
    if (!out) return std::nullopt;
    static const QRegularExpression word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*?)</word>)re");
    std::vector<Word> result;
    for (const QRegularExpressionMatch& m : word.globalMatch(*out))
        result.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                          m.captured(4).toDouble(), unescapeHtml(m.captured(5))});
    return result;
}

std::optional<std::vector<Font>> fonts(const QString& pdfPath)
{
    const std::optional<QString> out = run("pdffonts", {pdfPath});
    if (!out) return std::nullopt;
    // name type... encoding emb sub uni object ID; the type may hold blanks,
    // the last six columns do not.
    std::vector<Font> result;
    const QStringList lines = out->split('\n', Qt::SkipEmptyParts);
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].split(' ', Qt::SkipEmptyParts);
        if (columns.size() < 7) continue;
        QString name = columns.front();
        if (name.size() > 7 && name[6] == '+') name = name.mid(7);
        const qsizetype n = columns.size();
        result.push_back({name, columns[n - 5] == "yes", columns[n - 3] == "yes"});
    }
    return result;
}

std::optional<std::pair<QString, QString>> pagesAndSize(const QString& pdfPath)
{
    const std::optional<QString> out = run("pdfinfo", {pdfPath});
    if (!out) return std::nullopt;
    static const QRegularExpression pages(R"(^Pages:\s+(.*)$)", QRegularExpression::MultilineOption);
    static const QRegularExpression size(R"(^Page size:\s+(.*)$)", QRegularExpression::MultilineOption);
    return std::pair{pages.match(*out).captured(1).trimmed(), size.match(*out).captured(1).trimmed()};
}

}  // namespace report::pdf
