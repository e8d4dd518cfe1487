// Started by the data-source tests as one copy of the program would start: registers "myddc" over the database
// given and opens a connection to it. With --replace-user-file, the user file is replaced by the given file
// between the two, as another program might. A failed registration is reported and the connection still tried, as
// the program does. It waits for the lock of other copies as long as they hold it. Exit code 0 when both succeed
// and the connection reads the survey table.
#include "core/AppError.h"
#include "db/Connection.h"
#include "odbcini/OdbcInstaller.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>

using namespace hestova;

int main(int argc, char **argv)
{
    std::signal(SIGXFSZ, SIG_IGN);  // as the program's main does
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && !(arguments.size() == 4 && arguments[2] == QLatin1String("--replace-user-file")))
        return 2;
    odbcini::OdbcInstaller::setLockWaitUnbounded(true);
    int exitCode = 0;
    try {
        db::registerSurveyDataSource(arguments[1]);
    } catch (const AppError &error) {
        QTextStream(stderr) << error.boxText() << Qt::endl;
        exitCode = 1;
    }
    try {
        if (arguments.size() == 4) {
            const QString userFile = QFile::decodeName(odbcini::OdbcInstaller::userDataSourceFile());
            if (!QFile::remove(userFile) || !QFile::copy(arguments[3], userFile))
                return 2;
        }
        db::Connection connection;
        connection.Open(QString::fromLatin1(db::SurveyConnectionString));
        db::Recordset surveys;
        surveys.Open(QStringLiteral("select * from mydjb"), connection);
    } catch (const AppError &error) {
        QTextStream(stderr) << error.boxText() << Qt::endl;
        return 1;
    }
    return exitCode;
}
