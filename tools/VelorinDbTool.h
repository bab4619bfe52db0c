#pragma once

#include <QStringList>
#include <QTextStream>

namespace velorin::tools {

// The command line of velorin-db: parses a command and its options and runs it.
class VelorinDbTool
{
public:
    VelorinDbTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    // The arguments without the program name; returns the exit code (0 done, 1 failed, 2 bad usage).
    int run(const QStringList& arguments);
    static QString usage();

private:
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace velorin::tools
