#pragma once

class QCoreApplication;

namespace corvanta {

// SIGTERM, SIGINT and SIGHUP end the program as closing it does: through the event loop, with exit
// status 0. Where there are no such signals this does nothing.
void quitOnTerminationSignals(QCoreApplication& app);

} // namespace corvanta
