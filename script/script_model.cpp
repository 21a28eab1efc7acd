// The earlier entry points, kept for callers that read with the definition file's keywords.
#include "script_model.h"

#include "language_definition.h"

namespace {

std::string lower(std::string_view word)
{
    std::string result(word);
    for (char &c : result)
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    return result;
}

} // namespace

std::shared_ptr<const ScriptProfile> KeywordProfile(const std::unordered_set<std::string> &keywords)
{
    auto profile = std::make_shared<ScriptProfile>();
    profile->id = "keywords";
    profile->name = "Keywords";
    profile->assignmentOperators = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "++", "--"};
    // The commands that jump or name events are known whatever the definition lists, so their
    // labels and events are still found.
    const std::pair<const char *, const char *> jumping[] = {
        {"goto", "l"}, {"callsub", "l*"}, {"menu", "sl*"}, {"doevent", "s"}, {"donpcevent", "s"}, {"callfunc", "s*"}};
    for (const auto &[name, shape] : jumping) {
        ScriptCommand command{name, shape, 0, ScriptCommand::AnyNumber, {}, false};
        if (std::string_view(name) == "menu")
            command.argumentNames = {"option", "label", "..."};
        else if (std::string_view(name) == "callfunc")
            command.argumentNames = {"function", "argument"};
        else if (std::string_view(name).find("event") != std::string_view::npos)
            command.argumentNames = {"event"};
        profile->commands.push_back(command);
    }
    // The first row of a name stands: the ones above keep their shapes.
    for (const std::string &word : keywords)
        profile->commands.push_back({word, "*", 0, ScriptCommand::AnyNumber, {}, false});
    // Without a keyword list every command would be unknown: nothing can be told then.
    profile->listsAllCommands = !keywords.empty();
    const std::pair<const char *, BlockKind> headers[] = {
        {"script", BlockKind::Npc}, {"trader", BlockKind::Npc}, {"shop", BlockKind::Shop}, {"cashshop", BlockKind::Shop},
        {"itemshop", BlockKind::Shop}, {"pointshop", BlockKind::Shop}, {"marketshop", BlockKind::Shop},
        {"warp", BlockKind::Warp}, {"warp2", BlockKind::Warp}, {"duplicate", BlockKind::Duplicate},
        {"monster", BlockKind::Monster}, {"boss_monster", BlockKind::Monster}, {"miniboss_monster", BlockKind::Monster},
        {"mapflag", BlockKind::MapFlag}};
    for (const auto &[word, kind] : headers) {
        ScriptHeaderKind header;
        header.word = word;
        header.kind = kind;
        header.hasBody = kind == BlockKind::Npc;
        header.takesState = kind == BlockKind::Npc || kind == BlockKind::Warp;
        header.minFields = kind == BlockKind::MapFlag ? 3 : 4;
        profile->headers.push_back(header);
    }
    profile->index();
    return profile;
}

ScriptModel BuildScriptModel(const ScriptStyler &, const std::unordered_set<std::string> &keywords,
                             std::string_view text, const std::atomic<bool> *stop)
{
    return BuildScriptModel(KeywordProfile(keywords), text, stop);
}

std::unordered_set<std::string> CommandWords(const LanguageDefinition &definition)
{
    std::unordered_set<std::string> words;
    for (const QString &keyword : LanguageDefinition::tokens(definition.keywords))
        words.insert(lower(keyword.trimmed().toStdString()));
    return words;
}

std::vector<ScriptProblem> CheckScript(const ScriptModel &model, const CheckOptions &options)
{
    return CheckScript(model, nullptr, options);
}
