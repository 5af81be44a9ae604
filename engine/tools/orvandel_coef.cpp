// orvandel-coef: writes an ORVANDEL coefficient file from its text
// description, or prints an existing file back as text.
//
//   orvandel-coef write DESCRIPTION.txt OUTPUT.DAT
//   orvandel-coef print INPUT.DAT
#include <fstream>
#include <iostream>
#include <string>

#include "common/program_stop.h"
#include "transform/coefficient_file.h"
#include "transform/coefficient_text.h"

namespace {

int usage() {
    std::cerr << "usage: orvandel-coef write DESCRIPTION.txt OUTPUT.DAT\n"
                 "       orvandel-coef print INPUT.DAT\n";
    return 2;
}

int writeFile(const std::string& textPath, const std::string& outPath) {
    std::ifstream text(textPath);
    if (!text) {
        std::cerr << "orvandel-coef: cannot open '" << textPath << "'\n";
        return 1;
    }
    orvandel::CoefficientModel model;
    std::string error;
    if (!orvandel::parseCoefficientText(text, model, error)) {
        std::cerr << "orvandel-coef: " << textPath << ": " << error << '\n';
        return 1;
    }
    if (!orvandel::writeCoefficientFile(outPath, model)) {
        std::cerr << "orvandel-coef: cannot write '" << outPath << "'\n";
        return 1;
    }
    return 0;
}

int printFile(const std::string& path) {
    try {
        orvandel::printCoefficientText(std::cout, orvandel::readCoefficientFile(path));
        return 0;
    } catch (const orvandel::ProgramStop& e) {
        std::cerr << "orvandel-coef: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 4) return writeFile(argv[2], argv[3]);
    if (command == "print" && argc == 3) return printFile(argv[2]);
    return usage();
}
