// Brevant Dira — reading the words after a command's name.
#include "cli/command_line.h"

namespace brevant::cli {
namespace {

const CommandOption* FindOption(const std::vector<CommandOption>& options,
                                const std::string& name) {
    for (const CommandOption& option : options)
        if (option.name == name) return &option;
    return nullptr;
}

bool NamesOption(const CommandSyntax& syntax, const std::string& word) {
    switch (syntax.optionWords) {
    case OptionWords::None:
        return false;
    case OptionWords::DoubleDash:
        return word.size() > 2 && word.compare(0, 2, "--") == 0;
    case OptionWords::Dash:
        return word.size() > 1 && word[0] == '-';
    case OptionWords::Every:
        return true;
    case OptionWords::Listed:
        return FindOption(syntax.options, word) != nullptr;
    }
    return false;
}

} // namespace

std::string ReadCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& args,
                            std::size_t* stoppedAt) {
    const std::string command(syntax.command);
    const std::string prefix = command.empty() ? command : command + ": ";
    std::size_t i = 0;
    auto stop = [&](std::size_t at, std::string error) {
        if (stoppedAt) *stoppedAt = at;
        return error;
    };
    for (; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::string error;
        const CommandOption* option = nullptr;
        if (!NamesOption(syntax, word)) {
            error = syntax.word ? syntax.word(word) : command + " takes no arguments";
            if (error.empty() && syntax.optionsFirst) return stop(i, {});
        } else if (syntax.options.empty()) {
            error = prefix + "unknown option " + word;
        } else if ((option = FindOption(syntax.options, word)) && option->endsReading) {
            error = option->value(word);
            if (error.empty()) return stop(i + 1, {});
        } else if (option && option->takesNoValue) {
            error = option->value(word);
        } else if (i + 1 >= args.size()) {
            error = prefix + word + " needs a value";
        } else {
            const std::string& value = args[++i];
            error = option ? option->value(value) : prefix + "unknown option " + word;
        }
        if (!error.empty()) return stop(i, error);
    }
    return stop(i, {});
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
