// The script lexer: a pure function from script text to tokens.
//
// Tokens are ended by ';' or a line end. An empty token ended by ';' is Enter
// (so "RPOLY;6;0,0;;" ends with an Enter); an empty token ended by a line end
// is nothing, so blank lines and comment lines never answer a request.
// Spaces and tabs around an unquoted token are dropped. '#' at the start of a
// token or after a blank starts a comment to the end of the line ("a#b" keeps
// its '#'). '"' quotes a segment of a token ('\"' and '\\' inside); '<...>'
// is an event and '{...}' a dialog answer, each one whole token.
//
// Script files are UTF-8 (a leading byte order mark is skipped); the pack's
// own scripts (ExecScriptCopy) are code page 1252. Either way the tokens come
// out in code page 1252, the encoding of every text the pack and the drawing
// keep, and columns count characters, not bytes.
#pragma once

#include <string_view>
#include <vector>

#include "headless/script/token.h"

namespace vxh::script {

enum class ScriptEncoding { kUtf8, kCp1252 };

// Throws BadInput "file:line:column: message" for an unterminated quote,
// event or brace, for text after a closing quote, '>' or '}', for bytes that
// are not UTF-8 anywhere in a UTF-8 script (comments included), and for a
// character of a token that code page 1252 cannot hold (comments may hold
// any character).
std::vector<Token> LexScript(std::string_view text, std::string_view file,
                             ScriptEncoding encoding = ScriptEncoding::kUtf8);

// The position just after the last character of a UTF-8 script.
SourcePos EndOf(std::string_view text, std::string_view file);

}  // namespace vxh::script
