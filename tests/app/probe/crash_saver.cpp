// Saves the learner's files over and over until it is killed. Generation g leaves
// g history records, record i with SC = i + 1, and custom notebook 1 of both stores
// holding 1 .. g. Says "R" on standard output once the stores are loaded.
#include <unistd.h>

#include <string>

#include "app/u07_PubObject.h"
#include "app/u09_BasePase.h"

namespace {

TTextList NumbersUpTo(std::int32_t last)
{
    TTextList numbers;
    for (std::int32_t n = 1; n <= last; ++n)
        numbers.push_back(std::to_string(n));
    return numbers;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    gDataPath = std::string(argv[1]) + "/";
    CreateStores();
    LoadStores();
    if (write(STDOUT_FILENO, "R", 1) != 1)
        return 3;
    for (;;) {
        const std::int32_t generation = gTestHistory->Count() + 1;
        TTestHistoryItem record;
        record.SetTestType(1);
        record.SetQuestionCount(generation);
        gTestHistory->AddItem(record);
        SaveHistory();
        gWordNoteBooks->GetNoteBook(0)->SetItems(NumbersUpTo(generation));
        gSentenceNoteBooks->GetNoteBook(0)->SetItems(NumbersUpTo(generation));
        SaveNoteBooks();
    }
}
