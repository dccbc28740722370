#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <string>

namespace corvanta::test {

// The real program (the build's corvanta executable), started in a folder with the given
// environment. With an error log, its standard output is dropped and its error output goes to the
// log; without one, both go to the test's own output. It ends when the test program dies, and a
// program still running when this object goes is killed.
class Program {
public:
    Program(const QString& folder, const QProcessEnvironment& environment, const QString& errorLog = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The text of the error log so far (empty without one).
    std::string Errors() const;
    bool Running() const { return process.state() != QProcess::NotRunning; }

    QProcess process;

private:
    QString log_;
};

} // namespace corvanta::test
