#include "app/printer_state.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <cstdlib>

#include <QPrinter>

namespace app {

namespace {

// libcups, loaded on the first question (as Qt's own CUPS print plugin is):
// with it come TLS, Kerberos and a dozen more libraries, which a session that
// never prints does not need. Not there: no queue can be reached.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
};

const Cups* cups()
{
    static const Cups loaded = [] {
        Cups c;
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) return c;
        c.getNamedDest = reinterpret_cast<decltype(c.getNamedDest)>(dlsym(library, "cupsGetNamedDest"));
        c.getOption = reinterpret_cast<decltype(c.getOption)>(dlsym(library, "cupsGetOption"));
        c.freeDests = reinterpret_cast<decltype(c.freeDests)>(dlsym(library, "cupsFreeDests"));
        c.lastError = reinterpret_cast<decltype(c.lastError)>(dlsym(library, "cupsLastError"));
        return c;
    }();
    const bool complete = loaded.getNamedDest && loaded.getOption && loaded.freeDests && loaded.lastError;
    return complete ? &loaded : nullptr;
}

}  // namespace

QueueState queueState(const QString& name)
{
    const Cups* c = cups();
    if (name.isEmpty() || !c) return QueueState::Missing;
    const QByteArray queue = name.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = name.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t* dest = c->getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                        instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) return QueueState::Missing;
    const char* state = c->getOption("printer-state", dest->num_options, dest->options);
    const char* accepting = c->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    QueueState result = QueueState::Ready;
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED) result = QueueState::Stopped;
    else if (accepting && qstricmp(accepting, "true") != 0) result = QueueState::NotAccepting;
    c->freeDests(1, dest);
    return result;
}

bool printsToQueue(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

bool lastPrintRequestSucceeded()
{
    // Below the redirections (0x0200) lie the successful statuses; the
    // refusals and errors come after them.
    const Cups* c = cups();
    return c && c->lastError() < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace app
