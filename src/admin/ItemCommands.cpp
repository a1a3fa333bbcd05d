// The console commands of the item search that need no window: the two builders, the keyword
// list, the searches and the example lookup. They link the core alone, so taxel-admin runs them
// without the widget toolkit.

#include "AdminCommand.h"

#include "datafiles/FileError.h"
#include "index/ExampleBuilder.h"
#include "index/ExampleLookup.h"
#include "index/ItemIndexBuilder.h"
#include "index/KeyList.h"
#include "index/KeywordSearch.h"
#include "learning/MainMenuState.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

/// Takes the flag \a name out of \a args; true when it was there.
bool takeFlag(QStringList &args, const char *name)
{
    return args.removeAll(QString::fromLatin1(name)) > 0;
}

/// Takes "NAME VALUE" out of \a args. False when NAME is there without a value.
bool takeOption(QStringList &args, const char *name, QString *value)
{
    const qsizetype at = args.indexOf(QString::fromLatin1(name));
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    *value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

/// Exactly one argument left, and it is no option; otherwise a usage error.
/// The text argument of keywords and search. Several words are taken as one text with blanks
/// between them, as they would be typed into the entry field ("日本 歴史").
bool oneArgument(AdminContext &ctx, const QStringList &args, const char *command, QString *argument)
{
    if (args.isEmpty() || (args.first().startsWith(QLatin1String("--")) && args.first().size() > 2)) {
        ctx.err << "taxel-admin " << command << ": expected a text, got " << args.join(QLatin1Char(' ')) << Qt::endl;
        return false;
    }
    *argument = args.join(QLatin1Char(' '));
    return true;
}

/// Runs a builder as the main window's maintenance command does and reports every message it
/// would show: the builder's own, then the command's result message (or the error that ended it).
int runBuilder(AdminContext &ctx, const QStringList &args, int (*build)(const DataTree &, const MessageSink &))
{
    if (!args.isEmpty()) {
        ctx.err << "taxel-admin: this command takes no arguments" << Qt::endl;
        return 2;
    }
    QStringList messages;
    int result = -1;
    bool ended = false;
    try {
        result = build(ctx.tree, [&](const QString &text) { messages.append(text); });
    } catch (const FileError &error) {
        messages.append(error.text());
        ended = true;
    }
    if (!ended)
        messages.append(MainMenuState::builderMessage(result));
    if (ctx.json) {
        PrintJson(ctx,
            {{QStringLiteral("result"), result}, {QStringLiteral("messages"), QJsonArray::fromStringList(messages)}});
    } else {
        for (const QString &message : messages)
            ctx.out << message << '\n';
    }
    return result < 0 ? 1 : 0;
}

int RunBuildIndex(AdminContext &ctx, const QStringList &args)
{
    return runBuilder(
        ctx, args, [](const DataTree &tree, const MessageSink &show) { return MakeKoumokuIndex(tree, show); });
}

int RunBuildExamples(AdminContext &ctx, const QStringList &args)
{
    return runBuilder(ctx, args, &MakeReidaiData);
}

int RunKeywords(AdminContext &ctx, const QStringList &arguments)
{
    QStringList args = arguments;
    const bool item = takeFlag(args, "--item");
    QString text;
    if (!oneArgument(ctx, args, "keywords", &text))
        return 2;
    const QStringList keywords = MakeKeyList(text, item ? ItemMode : QueryMode);
    if (ctx.json) {
        PrintJson(ctx,
            {{QStringLiteral("result"), static_cast<int>(keywords.size())},
                {QStringLiteral("keywords"), QJsonArray::fromStringList(keywords)}});
    } else {
        ctx.out << keywords.size() << " keywords" << '\n';
        for (const QString &keyword : keywords)
            ctx.out << '[' << keyword << ']' << '\n';
    }
    return 0;
}

int RunSearch(AdminContext &ctx, const QStringList &arguments)
{
    QStringList args = arguments;
    const bool orSearch = takeFlag(args, "--or");
    const bool exact = takeFlag(args, "--exact");
    QString query;
    if (!oneArgument(ctx, args, "search", &query))
        return 2;
    const SearchResult found
        = orSearch ? SearchKoumokuOr(ctx.tree, query, exact) : SearchKoumokuAnd(ctx.tree, query, exact);
    if (ctx.json) {
        PrintJson(ctx,
            {{QStringLiteral("result"), found.result},
                {QStringLiteral("hits"), QJsonArray::fromStringList(found.hits)}});
    } else {
        for (const QString &hit : found.hits)
            ctx.out << hit << '\n';
        ctx.out << found.result << QStringLiteral(" 件のデータ") << '\n';
    }
    return 0;
}

/// What the example command asks the lookup: who asks, for which set, in which mode.
struct ExampleQuery
{
    QString number;
    ExampleCaller caller = ExampleCaller::Slot1;
    int setCode = 0;
    bool fixed = false;
};

/// Reads the example command's arguments; false after a usage message.
bool readExampleQuery(AdminContext &ctx, QStringList args, ExampleQuery *query)
{
    query->fixed = takeFlag(args, "--fixed");
    QString slotText, setText;
    if (!takeOption(args, "--slot", &slotText) || !takeOption(args, "--set", &setText)) {
        ctx.err << "taxel-admin example: --slot and --set need a value" << Qt::endl;
        return false;
    }
    if (!oneArgument(ctx, args, "example", &query->number))
        return false;
    bool ok = true;
    if (!setText.isEmpty()) {
        query->setCode = setText.toInt(&ok);
        query->caller = ExampleCaller::Practice;
        if (!ok || !slotText.isEmpty()) {
            ctx.err << "taxel-admin example: --set needs a number and goes without --slot" << Qt::endl;
            return false;
        }
    } else if (!slotText.isEmpty()) {
        const int slot = slotText.toInt(&ok);
        query->caller = ExampleSlot(slot);
        if (!ok || slot < 1 || slot > 4) {
            ctx.err << "taxel-admin example: --slot is 1, 2, 3 or 4" << Qt::endl;
            return false;
        }
    }
    if (query->fixed && query->caller != ExampleCaller::Practice) {
        ctx.err << "taxel-admin example: --fixed belongs to --set" << Qt::endl;
        return false;
    }
    return true;
}

int RunExample(AdminContext &ctx, const QStringList &arguments)
{
    ExampleQuery query;
    if (!readExampleQuery(ctx, arguments, &query))
        return 2;
    const ExampleTexts texts = FindReidai(ctx.tree, query.number, query.caller, query.setCode, query.fixed);
    auto written = [&](const QString &text, bool when) { return when ? text : QString(); };
    const QString title = written(texts.title, texts.written);
    const QString hint = written(texts.hint, texts.written);
    const QString answer = written(texts.answer, texts.written);
    const QString aim = written(texts.aim, texts.aimWritten);
    const QString explanation = written(texts.explanation, texts.aimWritten);
    if (ctx.json) {
        PrintJson(ctx,
            {{QStringLiteral("result"), static_cast<int>(texts.result)}, {QStringLiteral("title"), title},
                {QStringLiteral("hint"), hint}, {QStringLiteral("answer"), answer}, {QStringLiteral("aim"), aim},
                {QStringLiteral("explanation"), explanation}});
    } else {
        ctx.out << "result: " << static_cast<int>(texts.result) << '\n';
        if (texts.written)
            ctx.out << "title: " << title << '\n' << "hint: " << hint << '\n' << "answer: " << answer << '\n';
        if (texts.aimWritten)
            ctx.out << "aim: " << aim << '\n' << "explanation: " << explanation << '\n';
    }
    return 0;
}

const bool registered
    = RegisterAdminCommand({"build-index", "   build the keyword index from Koumoku_All.csv", &RunBuildIndex, false})
    && RegisterAdminCommand(
        {"build-examples", "   build the example files from Reidai_All.csv", &RunBuildExamples, false})
    && RegisterAdminCommand({"keywords", "[--item] TEXT", &RunKeywords, false})
    && RegisterAdminCommand({"search", "[--or] [--exact] QUERY", &RunSearch, false})
    && RegisterAdminCommand({"example", "NUMBER [--slot K] | NUMBER --set CODE [--fixed]", &RunExample, false});

} // namespace
