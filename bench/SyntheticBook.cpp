#include "SyntheticBook.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "store/u08_BussObj.h"
#include "store/u09_BussObj.h"

namespace {

const char* const cMeanings[] = {"n. 苹果；苹果树", "v. 跑；奔跑；经营", "adj. 美丽的；漂亮的",
                                 "adv. 很快地；迅速地", "n. 颜色；色彩", "v. 镕化；熔炼"};
const char* const cPhonetics[] = {"ˈæpəl", "rʌn", "ˈbjuːtɪfəl", "ˈkwɪkli", "ˈkʌlə", "smɛlt"};

std::string WordText(std::int32_t number)
{
    std::string word;
    for (std::int32_t rest = number; rest > 0; rest /= 26)
        word += static_cast<char>('a' + rest % 26);
    return word + "ing";
}

// How many sentences each word gets: none for every tenth word, 1 to 5 for
// the others, adding up to the sentence count where the limits allow.
std::vector<std::int32_t> SentencesPerWord(const TSyntheticBookSize& size, std::mt19937& random)
{
    std::vector<std::int32_t> counts(static_cast<std::size_t>(size.Words), 0);
    std::vector<std::size_t> illustrated;
    for (std::int32_t w = 0; w < size.Words; ++w)
        if (w % 10 != 9)
            illustrated.push_back(static_cast<std::size_t>(w));
    std::int64_t total = 0;
    for (std::size_t w : illustrated) {
        counts[w] = 1;
        ++total;
    }
    std::uniform_int_distribution<std::size_t> pick(0, illustrated.empty() ? 0 : illustrated.size() - 1);
    const std::int64_t most = static_cast<std::int64_t>(illustrated.size()) * 5;
    const std::int64_t wanted = std::min<std::int64_t>(size.Sentences, most);
    while (total < wanted) {
        const std::size_t w = illustrated[pick(random)];
        if (counts[w] < 5) {
            ++counts[w];
            ++total;
        }
    }
    return counts;
}

bool WriteWords(const std::string& folder, const TSyntheticBookSize& size, TWordPackage& words)
{
    for (std::int32_t number = 1; number <= size.Words; ++number) {
        TWordItem word;
        const std::string english = WordText(number);
        word.WriteString("TFN", english + ".mp3");
        word.WriteString("C", cMeanings[number % 6]);
        word.WriteString("E", number % 7 == 0 ? english + "/" + english + "s" : english);
        word.WriteString("P", cPhonetics[number % 6]);
        words.AddItem(word);
    }
    return words.SaveToFile(folder + "/word.dat");
}

bool WriteWordLists(const std::string& folder, const TSyntheticBookSize& size)
{
    TWordList lists;
    const std::int32_t perList = size.Words / std::max(1, size.WordLists);
    for (std::int32_t n = 0; n < size.WordLists; ++n) {
        TWordListItem item;
        item.SetBegin(n * perList + 1);
        item.SetEnd(n == size.WordLists - 1 ? size.Words : (n + 1) * perList);
        lists.AddItem(item);
    }
    return lists.SaveToFile(folder + "/word.lst");
}

bool WriteSentences(const std::string& folder, const TSyntheticBookSize& size, std::mt19937& random,
                    TSentenceList& sentences)
{
    const std::vector<std::int32_t> counts = SentencesPerWord(size, random);
    std::int32_t number = 0;
    for (std::int32_t w = 0; w < size.Words; ++w) {
        const std::string target = WordText(w + 1);
        for (std::int32_t k = 0; k < counts[static_cast<std::size_t>(w)]; ++k) {
            TSentenceItem sentence;
            sentence.WriteInteger("WID", w + 1);
            sentence.WriteInteger("MIDX", ++number);
            sentence.WriteString("ESEN", "They were " + target + " near the river, as example " +
                                             std::to_string(k + 1) + " shows.");
            sentence.WriteString("CSEN", "他们在河边" + std::string(cMeanings[w % 6]) + "。");
            sentence.WriteString("TE", target);
            sentence.WriteString("TFN", "s" + std::to_string(number) + ".mp3");
            sentences.AddItem(sentence);
        }
    }
    return sentences.SaveToFile(folder + "/sens.dat");
}

bool WriteHistory(const std::string& folder, const TSyntheticBookSize& size, std::mt19937& random)
{
    TTestHistoryPackage history;
    std::uniform_int_distribution<std::int32_t> small(0, 10);
    for (std::int32_t n = 0; n < size.HistoryRecords; ++n) {
        TTestHistoryItem record;
        const std::int32_t questions = 40;
        const std::int32_t wrong = small(random);
        const std::int32_t unanswered = small(random) / 2;
        record.SetTestType(1 + n % 5);
        record.SetScope(1 + n % 3);
        record.SetQuestionCount(questions);
        record.SetWrongCount(wrong);
        record.SetUnansweredCount(unanswered);
        record.SetRightCount(questions - unanswered - wrong);
        record.SetTestDate(45000.0 + n * 0.37);
        record.SetScopeText("WL" + std::to_string(1 + n % size.WordLists) + " 第1组");
        record.SetScore((questions - unanswered - wrong) * 100 / questions);
        history.AddItem(record);
    }
    return history.SaveToFile(folder + "/His.dat");
}

bool WriteNoteBooks(const std::string& path, const TNodeList& store)
{
    TNoteBookList2 noteBooks;
    noteBooks.ResetDefaults(store);
    return noteBooks.SaveToFile(path);
}

}  // namespace

bool WriteSyntheticBook(const std::string& folder, const TSyntheticBookSize& size)
{
    std::mt19937 random(20260101);
    TWordPackage words;
    TSentenceList sentences;
    return WriteWords(folder, size, words) && WriteWordLists(folder, size) &&
           WriteSentences(folder, size, random, sentences) && WriteHistory(folder, size, random) &&
           WriteNoteBooks(folder + "/notes2.dat", words) && WriteNoteBooks(folder + "/snotes2.dat", sentences);
}

const std::string& SyntheticBookFolder()
{
    static const std::string folder = [] {
        if (const char* given = std::getenv("VELLORA_BENCH_BOOK"); given && *given) {
            std::filesystem::create_directories(given);
            if (!std::filesystem::exists(std::filesystem::path(given) / "word.dat"))
                WriteSyntheticBook(given);
            return std::string(given);
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "vellora-book-XXXXXX").string();
        std::string made = ::mkdtemp(pattern.data());
        WriteSyntheticBook(made);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(SyntheticBookFolder(), ignored);
        });
        return made;
    }();
    return folder;
}
