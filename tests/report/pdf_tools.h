#pragma once
// What poppler's tools read from a PDF: the words with their boxes
// (pdftotext -bbox), the fonts (pdffonts) and the page size (pdfinfo).
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace report::pdf {

struct Word {
    double xMin, yMin, xMax, yMax;  // points from the top-left corner of the paper
    QString text;
};

struct Font {
    QString name;  // without a subset prefix
    bool embedded;
    bool unicode;
};

// The tool's standard output, or nothing when it cannot run or fails.
std::optional<QString> run(const QString& tool, const QStringList& arguments);

std::optional<std::vector<Word>> words(const QString& pdfPath);
std::optional<std::vector<Font>> fonts(const QString& pdfPath);
// "Pages" and "Page size" of pdfinfo, e.g. {"1", "595 x 842 pts (A4)"}.
std::optional<std::pair<QString, QString>> pagesAndSize(const QString& pdfPath);

}  // namespace report::pdf
