#include "app/printer_state.h"

#include <cups/cups.h>

#include <cstdlib>

#include <QPrinter>

namespace app {

QueueState queueState(const QString& name)
{
    if (name.isEmpty()) return QueueState::Missing;
    const QByteArray queue = name.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = name.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) return QueueState::Missing;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    QueueState result = QueueState::Ready;
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED) result = QueueState::Stopped;
    else if (accepting && qstricmp(accepting, "true") != 0) result = QueueState::NotAccepting;
    cupsFreeDests(1, dest);
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
    return cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace app
