// dorvale-bank: checks the question bank source, compiles it into the encrypted tables the
// program reads, and exports a table back to its source form.

#include "BankSource.h"

#include "data/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace dorvale;

namespace {

constexpr auto kUsage =
    "usage:\n"
    "  dorvale-bank validate SOURCE [--pictures DIR]   check the source; failures name item and "
    "field\n"
    "  dorvale-bank compile SOURCE OUTDIR [--pictures DIR]\n"
    "                                                  write dorvale.DAT (keeping the user's "
    "notes),\n"
    "                                                  and empty ces.DAT and dorvusr.DAT where "
    "missing\n"
    "  dorvale-bank create-empty OUTDIR                write empty ces.DAT and dorvusr.DAT where "
    "missing\n"
    "  dorvale-bank export FILE.DAT                    write the source form of a bank to standard "
    "output\n"
    "  dorvale-bank format SOURCE                      rewrite SOURCE in its canonical form\n"
    "Pictures are looked up in DIR, by default the folder 'pictures' beside SOURCE.\n";

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << kUsage;
    err().flush();
    return 2;
}

QString pictureDirFor(const QString& sourcePath, const QStringList& options)
{
    const int at = options.indexOf(QStringLiteral("--pictures"));
    if (at >= 0 && at + 1 < options.size())
        return options[at + 1];
    return QFileInfo(sourcePath).absoluteDir().filePath(QStringLiteral("pictures"));
}

// Reads and checks a source; prints every failure and returns false when there is one.
bool loadChecked(const QString& path, const QString& pictureDir, bank::Source& source)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << path << ": cannot be read\n";
        return false;
    }
    const QByteArray text = file.readAll();
    source = bank::parseSource(text);
    QStringList failures = bank::validate(source, pictureDir);
    if (bank::writeSource(source) != text)
        failures << QStringLiteral("the source is not in its canonical form; run "
                                   "'dorvale-bank format %1'")
                        .arg(path);
    for (const QString& failure : failures)
        err() << path << ": " << failure << '\n';
    return failures.isEmpty();
}

int run(const QStringList& args)
{
    if (args.isEmpty())
        return usage();
    const QString verb = args[0];
    const QStringList rest = args.mid(1);

    if (verb == QLatin1String("validate") && !rest.isEmpty()) {
        bank::Source source;
        if (!loadChecked(rest[0], pictureDirFor(rest[0], rest), source))
            return 1;
        QTextStream(stdout) << rest[0] << ": " << source.items.size() << " items, valid\n";
        return 0;
    }
    if (verb == QLatin1String("compile") && rest.size() >= 2) {
        bank::Source source;
        if (!loadChecked(rest[0], pictureDirFor(rest[0], rest), source))
            return 1;
        const QString outDir = rest[1];
        if (!QDir().mkpath(outDir)) {
            err() << outDir << ": cannot be created\n";
            return 1;
        }
        bank::writeBankTable(source, QDir(outDir).filePath(QStringLiteral("dorvale.DAT")));
        bank::createEmptyTables(outDir);
        return 0;
    }
    if (verb == QLatin1String("create-empty") && rest.size() == 1) {
        if (!QDir().mkpath(rest[0])) {
            err() << rest[0] << ": cannot be created\n";
            return 1;
        }
        bank::createEmptyTables(rest[0]);
        return 0;
    }
    if (verb == QLatin1String("export") && rest.size() == 1) {
        const QByteArray text = bank::writeSource(bank::readBankTable(rest[0]));
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    if (verb == QLatin1String("format") && rest.size() == 1) {
        const bank::Source source = bank::readSourceFile(rest[0]);
        QSaveFile out(rest[0]);
        if (!out.open(QIODevice::WriteOnly) || out.write(bank::writeSource(source)) < 0 ||
            !out.commit()) {
            err() << rest[0] << ": cannot be written\n";
            return 1;
        }
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const Error& e) {
        err() << "dorvale-bank: " << e.message() << '\n';
        return 1;
    }
}
