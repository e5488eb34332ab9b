// The script lexer: a pure function from script text to tokens.
//
// Tokens are ended by ';' or a line end. An empty token ended by ';' is Enter
// (so "RPOLY;6;0,0;;" ends with an Enter); an empty token ended by a line end
// is nothing, so blank lines and comment lines never answer a request.
// Spaces and tabs around an unquoted token are dropped. '#' at the start of a
// token or after a blank starts a comment to the end of the line ("a#b" keeps
// its '#'). '"' quotes a segment of a token ('\"' and '\\' inside); '<...>'
// is an event and '{...}' a dialog answer, each one whole token.
#pragma once

#include <string_view>
#include <vector>

#include "headless/script/token.h"

namespace vxh::script {

// Throws BadInput "file:line:column: message" for an unterminated quote,
// event or brace, or for text after a closing quote, '>' or '}'.
std::vector<Token> LexScript(std::string_view text, std::string_view file);

// The position just after the last character of a script.
SourcePos EndOf(std::string_view text, std::string_view file);

}  // namespace vxh::script
