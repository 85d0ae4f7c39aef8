// Writes the large synthetic book into the folder given as the one argument.
#include <filesystem>
#include <iostream>

#include "SyntheticBook.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    if (!WriteSyntheticBook(argv[1])) {
        std::cerr << "could not write the book into " << argv[1] << "\n";
        return 1;
    }
    std::cout << "wrote the synthetic book into " << argv[1] << "\n";
    return 0;
}
