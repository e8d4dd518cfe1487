#include "patient/PatientSheets.h"

namespace hestova::reports::patient {

namespace {

// question, offset, answer codes, code columns, K, satisfied 1..n, uncounted code
QuestionBlock block(int question, int offset, int answerCodes, int rated, int satisfiedUpTo, int uncountedCode)
{
    return {question, offset, answerCodes, answerCodes, rated, satisfiedUpTo, uncountedCode};
}

// Occupation: twelve answers, of which "其他" (12) has no column on the sheet.
constexpr QuestionBlock Occupation{2, 2, 12, 11, 0, 0, 0};

QList<PatientSheet> makeSheets()
{
    return {
        {1, 33,
         {block(4, 20, 5, 5, 2, 0), Occupation, block(3, 13, 6, 5, 2, 6), block(5, 26, 5, 5, 2, 0)},
         {{1, 1}, {2, 2}, {3, 13}, {14, 20}, {21, 26}, {27, 32}, {33, 33}},
         true, false, 33},
        {2, 27,
         {block(6, 1, 5, 5, 2, 0), block(7, 7, 6, 5, 2, 6), block(8, 14, 6, 5, 2, 6), block(9, 21, 5, 5, 2, 0)},
         {{1, 1}, {2, 7}, {8, 14}, {15, 21}, {22, 27}},
         false, true, 0},
        {3, 29,
         {block(10, 1, 6, 5, 2, 6), block(11, 8, 6, 5, 2, 6), block(12, 15, 6, 5, 2, 6), block(13, 22, 6, 5, 2, 6)},
         {{1, 1}, {2, 8}, {9, 15}, {16, 22}, {23, 29}},
         false, true, 0},
        {4, 27,
         {block(14, 1, 6, 5, 2, 6), block(15, 8, 6, 5, 2, 6), block(16, 15, 5, 4, 2, 5), block(17, 21, 5, 4, 2, 5)},
         {{1, 1}, {2, 8}, {9, 15}, {16, 21}, {22, 27}},
         false, true, 0},
        {5, 31,
         {block(18, 1, 5, 4, 2, 5), block(19, 7, 5, 4, 2, 5), block(20, 13, 6, 5, 2, 6), block(21, 20, 5, 5, 2, 0),
          block(22, 26, 4, 3, 1, 4)},
         {{1, 1}, {2, 7}, {8, 13}, {14, 20}, {21, 26}, {27, 31}},
         false, true, 0},
        {6, 29,
         {block(23, 1, 4, 3, 1, 4), block(24, 6, 4, 3, 1, 4), block(25, 11, 3, 3, 1, 0), block(26, 15, 3, 3, 1, 0),
          block(27, 19, 2, 2, 1, 0), block(28, 22, 6, 6, 2, 0)},
         {{1, 1}, {2, 6}, {7, 11}, {12, 15}, {16, 19}, {20, 22}, {23, 29}},
         false, true, 0},
    };
}

}  // namespace

const QList<PatientSheet> &patientSheets()
{
    static const QList<PatientSheet> sheets = makeSheets();
    return sheets;
}

}  // namespace hestova::reports::patient
