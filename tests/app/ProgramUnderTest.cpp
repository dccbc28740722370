#include "ProgramUnderTest.h"

#include "SoundServerSupport.h"

#include <csignal>

namespace corvanta::test {

Program::Program(const QString& folder, const QProcessEnvironment& environment, const QString& errorLog)
    : log_(errorLog)
{
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (errorLog.isEmpty()) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(errorLog);
    }
    EndWithTheTests(process, SIGKILL);
    process.start(QStringLiteral(CORVANTA_EXECUTABLE), {});
}

Program::~Program()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

std::string Program::Errors() const
{
    return log_.isEmpty() ? std::string() : ReadText(log_).toStdString();
}

} // namespace corvanta::test
