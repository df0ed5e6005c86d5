#include "platform/qt/QtProcesses.h"

#include <QProcess>
#include <QStringList>

namespace kolt {

bool QtProcesses::startProgram(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program.string()), args);
}

}  // namespace kolt
