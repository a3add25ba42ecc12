// Brevant Dira — reading the words after a command's name.
#include "cli/command_line.h"

namespace brevant::cli {
namespace {

bool NamesOption(OptionWords rule, const std::string& word) {
    switch (rule) {
    case OptionWords::None:
        return false;
    case OptionWords::DoubleDash:
        return word.size() > 2 && word.compare(0, 2, "--") == 0;
    case OptionWords::Dash:
        return word.size() > 1 && word[0] == '-';
    case OptionWords::Every:
        return true;
    }
    return false;
}

const CommandOption* FindOption(const std::vector<CommandOption>& options,
                                const std::string& name) {
    for (const CommandOption& option : options)
        if (option.name == name) return &option;
    return nullptr;
}

} // namespace

std::string ReadCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& args) {
    const std::string command(syntax.command);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::string error;
        if (!NamesOption(syntax.optionWords, word)) {
            error = syntax.word ? syntax.word(word) : command + " takes no arguments";
        } else if (syntax.options.empty()) {
            error = command + ": unknown option " + word;
        } else if (const CommandOption* flag = FindOption(syntax.options, word);
                   flag && flag->flag) {
            error = flag->value(word);
        } else if (i + 1 >= args.size()) {
            error = command + ": " + word + " needs a value";
        } else {
            const std::string& value = args[++i];
            const CommandOption* option = FindOption(syntax.options, word);
            error = option ? option->value(value) : command + ": unknown option " + word;
        }
        if (!error.empty()) return error;
    }
    return {};
}

WordReader TextValue(std::string& out) {
    return [&out](const std::string& word) {
        out = word;
        return std::string();
    };
}

CommandSyntax NoArguments(std::string_view command) {
    // Without a word reader every word is refused.
    return CommandSyntax{command, OptionWords::None, {}, nullptr};
}

WordReader OneText(std::string_view command, std::optional<std::string>& text) {
    return [command, &text](const std::string& word) -> std::string {
        if (text) return std::string(command) + " takes one TEXT, got another: " + word;
        text = word;
        return {};
    };
}

std::string MissingText(std::string_view command) {
    return std::string(command) + " needs TEXT (a list text or a symbol)";
}

} // namespace brevant::cli
