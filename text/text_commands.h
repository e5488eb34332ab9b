// Handlers of the text commands (command table slots).
#pragma once

namespace vx {

void IncrementCommand();         // VXTINC
void ReplaceCommand();           // VXTREPLACE
void CaseCommand();              // VXTCASE
void SequenceCommand();          // VXTSEQ
void NewTextCommand();           // VXTEXT
void NewTextMultilineCommand();  // VXTEXTML
void NewTextBoxCommand();        // VXTEXTB
void NewTextCircleCommand();     // VXTEXTC
void TextExplodeCommand();       // VXTEXTEXPL
void TextEditCommand();          // VXTEDIT
void TextEditDebugCommand();     // VXTEDITDBG

}  // namespace vx
