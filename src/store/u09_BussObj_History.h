#pragma once
// The test history (His.dat): one record per finished test.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "store/unt99_XMLOpModal.h"

class TTestHistoryItem : public TNodeObj {
public:
    // Bound to a new "ITEM" element of its own.
    TTestHistoryItem();

    std::int32_t GetTestType() const;          // TT
    std::int32_t GetQuestionCount() const;     // SC
    std::int32_t GetWrongCount() const;        // EC
    std::int32_t GetUnansweredCount() const;   // UC
    std::int32_t GetRightCount() const;        // OC
    std::int32_t GetScore() const;             // TG
    double GetTestDate() const;                // TD; now when missing
    std::string GetScopeText() const;          // TMSTR

    void SetTestType(std::int32_t value);
    void SetScope(std::int32_t value);         // TM
    void SetQuestionCount(std::int32_t value);
    void SetWrongCount(std::int32_t value);
    void SetUnansweredCount(std::int32_t value);
    void SetRightCount(std::int32_t value);
    void SetScore(std::int32_t value);
    void SetTestDate(double value);
    void SetScopeText(std::string_view value);
};

class TTestHistoryPackage : public TNodeList {
public:
    // Root "PACKAGE".
    TTestHistoryPackage();

    // A new record bound to entry index when below Count, otherwise holding
    // its own empty element.
    std::unique_ptr<TTestHistoryItem> GetItem(std::int32_t index) const;
};
