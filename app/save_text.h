#pragma once
// Writes a text file whole or not at all: through QSaveFile, so a failure
// keeps the file that was there.
#include <QString>
#include <string_view>

bool saveText(const QString& path, std::string_view text);
