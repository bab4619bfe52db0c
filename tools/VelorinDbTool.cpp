#include "VelorinDbTool.h"

#include "ClinicGenerator.h"
#include "DictdImporter.h"
#include "DictionaryGenerator.h"
#include "ToolError.h"

#include <QMap>

namespace velorin::tools {

namespace {

class UsageError : public ToolError
{
public:
    using ToolError::ToolError;
};

// Splits positional arguments from `--name value` options.
struct Arguments
{
    QStringList positional;
    QMap<QString, QString> options;

    static Arguments parse(const QStringList& list, const QStringList& known)
    {
        Arguments result;
        for (int i = 0; i < list.size(); ++i) {
            const QString& argument = list[i];
            if (!argument.startsWith(QLatin1String("--"))) {
                result.positional << argument;
                continue;
            }
            const QString name = argument.mid(2);
            if (!known.contains(name))
                throw UsageError(QStringLiteral("unknown option %1").arg(argument));
            if (i + 1 >= list.size())
                throw UsageError(QStringLiteral("the option %1 needs a value").arg(argument));
            result.options.insert(name, list[++i]);
        }
        return result;
    }

    QString required(const QString& name) const
    {
        const QString value = options.value(name);
        if (value.isEmpty())
            throw UsageError(QStringLiteral("the option --%1 is required").arg(name));
        return value;
    }
};

long long count(const QString& text, const QString& what)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < 0 || value > 50'000'000)
        throw UsageError(
            QStringLiteral("%1 must be a whole number from 0 to 50000000, not '%2'").arg(what, text));
    return value;
}

} // namespace

QString VelorinDbTool::usage()
{
    return QStringLiteral(
        "Usage: velorin-db COMMAND ...\n"
        "\n"
        "  import-dictd INDEX DICT_DZ TABLE --headword FIELD --translation FIELD\n"
        "      Reads a dictd dictionary (.index and .dict.dz) into the table file TABLE,\n"
        "      in the dictionary's order, without its 00database entries.\n"
        "  generate-dictionary N TABLE [--headword FIELD --translation FIELD]\n"
        "      Writes N synthetic headwords with translations (fields Esp and Eng by default).\n"
        "  create-clinic DIR [--patients N]\n"
        "      Creates HASTA.DB and YAPGEREK.DB (index pn1) in DIR, with N generated patients.\n"
        "      Existing tables are never replaced.\n"
        "  help\n"
        "      Shows this text.\n"
        "\n"
        "Every table is written to a temporary file first and takes its name only when complete.\n");
}

int VelorinDbTool::run(const QStringList& arguments)
{
    try {
        if (arguments.isEmpty())
            throw UsageError(QStringLiteral("no command given"));
        const QString command = arguments.front();
        const QStringList rest = arguments.mid(1);
        if (command == QLatin1String("help") || command == QLatin1String("--help") ||
            command == QLatin1String("-h")) {
            m_out << usage();
            return 0;
        }
        if (command == QLatin1String("import-dictd")) {
            const auto args =
                Arguments::parse(rest, {QStringLiteral("headword"), QStringLiteral("translation")});
            if (args.positional.size() != 3)
                throw UsageError(QStringLiteral("import-dictd needs INDEX, DICT_DZ and TABLE"));
            const QString headword = args.required(QStringLiteral("headword"));
            const QString translation = args.required(QStringLiteral("translation"));
            const auto entries = DictdImporter::read(args.positional[0], args.positional[1]);
            const auto written = DictdImporter::write(entries, args.positional[2], headword, translation);
            m_out << QStringLiteral("%1: %2 entries\n").arg(args.positional[2]).arg(written);
            return 0;
        }
        if (command == QLatin1String("generate-dictionary")) {
            const auto args =
                Arguments::parse(rest, {QStringLiteral("headword"), QStringLiteral("translation")});
            if (args.positional.size() != 2)
                throw UsageError(QStringLiteral("generate-dictionary needs N and TABLE"));
            const auto n = count(args.positional[0], QStringLiteral("N"));
            const auto entries = DictionaryGenerator::generate(std::size_t(n));
            DictdImporter::write(entries, args.positional[1],
                                 args.options.value(QStringLiteral("headword"), "Esp"),
                                 args.options.value(QStringLiteral("translation"), "Eng"));
            m_out << QStringLiteral("%1: %2 entries\n").arg(args.positional[1]).arg(n);
            return 0;
        }
        if (command == QLatin1String("create-clinic")) {
            const auto args = Arguments::parse(rest, {QStringLiteral("patients")});
            if (args.positional.size() != 1)
                throw UsageError(QStringLiteral("create-clinic needs DIR"));
            const QString patients = args.options.value(QStringLiteral("patients"), QStringLiteral("0"));
            const auto n = count(patients, QStringLiteral("the number of patients"));
            ClinicGenerator::create(args.positional[0], int(n));
            m_out << QStringLiteral("%1: HASTA.DB with %2 patients, YAPGEREK.DB\n")
                         .arg(args.positional[0])
                         .arg(n);
            return 0;
        }
        throw UsageError(QStringLiteral("unknown command '%1'").arg(command));
    } catch (const UsageError& e) {
        m_err << QStringLiteral("velorin-db: %1\n\n").arg(e.message()) << usage();
        return 2;
    } catch (const ToolError& e) {
        m_err << QStringLiteral("velorin-db: %1\n").arg(e.message());
        return 1;
    }
}

} // namespace velorin::tools
