#include "app/chart_loader.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "app/main_window.h"
#include "app/message_boxes.h"

namespace app {

namespace {

struct LoaderState {
    const ChartModule* module = nullptr;
    QString path;
    std::vector<std::filesystem::path> folders;  // none: the program's own
};

LoaderState& state()
{
    static LoaderState loader;
    return loader;
}

std::vector<std::filesystem::path> moduleFolders()
{
    if (!state().folders.empty()) return state().folders;
    const std::filesystem::path program(QCoreApplication::applicationDirPath().toStdString());
    return {program, program / BLOWCOUNT_CHART_MODULE_FOLDER};
}

QString lines(const char* reason, const QString& detail)
{
    QString text = QString::fromUtf8(reason);
    if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
    return text;
}

const ChartModule* use(const ChartModule* module, const QString& path)
{
    state().module = module;
    state().path = path;
    report::setChartPainter(module ? module->paintChart : nullptr);
    return module;
}

const ChartModule* load(QString* problem)
{
    void* handle = nullptr;
    std::filesystem::path found;
    QString loadError;
    for (const std::filesystem::path& folder : moduleFolders()) {
        const std::filesystem::path candidate = folder / kChartModuleFile;
        std::error_code error;
        if (!std::filesystem::exists(candidate, error)) continue;
        handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle) {
            found = candidate;
            break;
        }
        if (const char* text = dlerror()) loadError = QString::fromLocal8Bit(text);
    }
    if (!handle) {
        *problem = loadError.isEmpty() ? lines(kChartModuleMissing, {}) : lines(kChartModuleBroken, loadError);
        return nullptr;
    }
    // The module stays loaded: its windows and Qt Charts live as long as the program.
    const auto entry = reinterpret_cast<ChartModuleEntry>(dlsym(handle, kChartModuleEntry));
    const ChartModule* module = entry ? entry() : nullptr;
    const QString where = QFile::decodeName(found.c_str());
    if (!module || module->version != kChartModuleVersion || !module->paintChart) {
        *problem = lines(kChartModuleBroken, !entry    ? where + QStringLiteral(": no ") + QLatin1String(kChartModuleEntry)
                                             : !module ? where + QStringLiteral(": no table")
                                                       : where + QStringLiteral(": version %1, not %2")
                                                                     .arg(module->version)
                                                                     .arg(kChartModuleVersion));
        return nullptr;
    }
    return use(module, where);
}

}  // namespace

const ChartModule* chartModule(QString* problem)
{
    if (state().module) return state().module;
    return load(problem);
}

QString chartModulePath() { return state().path; }

void useChartModule(const ChartModule* builtIn) { use(builtIn, {}); }

void setChartModuleFolders(std::vector<std::filesystem::path> folders) { state().folders = std::move(folders); }

QWidget* openChartWindow(MainWindow& main, std::string_view name)
{
    QString problem;
    const ChartModule* module = chartModule(&problem);
    if (module) {
        const ChartWindowOpener* end = module->windows + module->windowCount;
        const ChartWindowOpener* opener =
            std::find_if(module->windows, end, [name](const ChartWindowOpener& o) { return o.name == name; });
        if (opener != end) return opener->open(main);
        problem = lines(kChartWindowMissing, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    showCheckMessage(&main, QString::fromUtf8(kChartFailure) + QLatin1Char('\n') + problem);
    return nullptr;
}

}  // namespace app
