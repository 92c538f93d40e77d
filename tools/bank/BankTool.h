#pragma once

#include <ostream>
#include <string>
#include <vector>

// The commands of lingvar-bank, each a function of its arguments (without the program's name)
// that writes its report to out and its refusals to err and returns the exit status. The fit
// of texts is measured with Qt's fonts, so a QGuiApplication must exist.
//   check <sources>                               every rule, by source file and line
//   pack [--no-pictures] [--as-is] <sources> <out> Pitanja.dat, and Slike.dat from the pictures
//   unpack <Pitanja.dat> <sources>                the six source files of a bank file
//   stats <sources>                               questions per block and kind, answers
int RunBankTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
