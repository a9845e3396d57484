#include "cli/pdf_report.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "cli/pdf_module.h"

namespace cli {

namespace {

// Beside the program (the build tree), then in its library folder (installed).
std::vector<std::filesystem::path> moduleCandidates()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {kPdfModuleFile};
    const std::filesystem::path folder = program.parent_path();
    return {folder / kPdfModuleFile, folder / BLOWCOUNT_CLI_MODULE_FOLDER / kPdfModuleFile};
}

// The module's entry `name`, or why it cannot be had.
void* moduleEntry(const char* name, const std::string& where, std::string& problem)
{
    void* module = nullptr;
    std::string loadError;
    for (const std::filesystem::path& candidate : moduleCandidates()) {
        if (!std::filesystem::exists(candidate)) continue;
        module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module) break;
        if (const char* text = dlerror()) loadError = text;
    }
    if (!module) {
        problem = where + ": " + (loadError.empty() ? std::string(kPdfModuleFile) + " not found" : loadError);
        return nullptr;
    }
    // The module stays loaded: Qt does not unload cleanly, and the program ends soon.
    void* entry = dlsym(module, name);
    if (!entry) problem = where + ": " + kPdfModuleFile + " has no " + name;
    return entry;
}

std::string describe(const std::string& where, const std::string& problem)
{
    return problem.empty() ? where : where + ": " + problem;
}

}  // namespace

std::optional<std::string> writeReportPdf(const report::Page& page, const std::string& path)
{
    return writePagesPdf({page}, path);
}

std::optional<std::string> writePagesPdf(const std::vector<report::Page>& pages, const std::string& path)
{
    const std::string where = "could not write the report to '" + path + "'";
    std::string problem;
    const auto entry = reinterpret_cast<WritePagesPdfEntry>(moduleEntry(kPdfModuleEntry, where, problem));
    if (!entry) return problem;
    if (!entry(&pages, path.c_str(), &problem)) return describe(where, problem);
    return std::nullopt;
}

}  // namespace cli
