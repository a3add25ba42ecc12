// Brevant Dira — reading the words after a command's name: options that take
// one value each, and the command's own words (a TEXT, FILEs).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevant::cli {

// Which words name an option; every other word is one of the command's own.
enum class OptionWords {
    None,       // no word: "--x" is an ordinary word
    DoubleDash, // "--" followed by at least one more character
    Dash,       // "-" followed by at least one more character ("-" alone is a file)
    Every,      // every word: the command takes options only
    Listed,     // the syntax's own option names only
};

// Reads one word into the command's settings. Returns the error text, empty
// when the word is fine.
using WordReader = std::function<std::string(const std::string& word)>;

struct CommandOption {
    std::string_view name; // with its dashes, as typed
    WordReader value;      // reads the option's value
    // Takes no value and ends the reading (`--help`, which answers whatever
    // follows it): `value` gets the option's own word.
    bool endsReading = false;
    // Takes no value (a switch such as `--log`): `value` gets the option's
    // own word.
    bool takesNoValue = false;
};

struct CommandSyntax {
    // Starts the messages the reader writes itself ("COMMAND: ..."); empty
    // for the tool's own options, whose messages start with the text.
    std::string_view command;
    OptionWords optionWords = OptionWords::None;
    std::vector<CommandOption> options; // each takes exactly one value unless said
    WordReader word;                    // reads a word that names no option
    // The options stand in front of the words: the first word that names no
    // option ends the reading once `word` took it (the command's name after
    // the tool's own options).
    bool optionsFirst = false;
};

// Reads `args` in order and returns the first error, empty when every word
// was read. An option word takes the next word as its value before its name
// is looked up: "COMMAND: NAME needs a value" when the list ends, then
// "COMMAND: unknown option NAME". A command without options has no value to
// take, so its option words are unknown at once. A repeated option is read
// again; the last value wins unless its reader says otherwise.
// `stoppedAt`, when given, gets the index of the word the reading ended at:
// the word after an option that ends it, the first word of an optionsFirst
// syntax, the word in error, or args.size().
std::string ReadCommandLine(const CommandSyntax& syntax, const std::vector<std::string>& args,
                            std::size_t* stoppedAt = nullptr);

// A reader that keeps the word as it is (a file name).
WordReader TextValue(std::string& out);

// The syntax of a command that takes nothing: any word is
// "COMMAND takes no arguments".
CommandSyntax NoArguments(std::string_view command);

// A reader for the one TEXT of `bars` and `chart` (a list text or a bare
// symbol): a second word is "COMMAND takes one TEXT, got another: WORD".
WordReader OneText(std::string_view command, std::optional<std::string>& text);

// "COMMAND needs TEXT (a list text or a symbol)", for a TEXT never given.
std::string MissingText(std::string_view command);

} // namespace brevant::cli
