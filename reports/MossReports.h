#pragma once
// The moss reports, one per moss form type (2 to 10): the common header, the distances, the
// habitat blocks of the type's pages, the threats, the note and the photo and map signs.
// The habitat blocks are free for the other blocks of the moss pages to call as well.
#include <initializer_list>

class CReportParameters;

void FillMoss2(CReportParameters& report, int section, int secondSection);
void FillMoss3(CReportParameters& report, int section, int secondSection);
void FillMoss4(CReportParameters& report, int section, int secondSection);
void FillMoss5(CReportParameters& report, int section, int secondSection);
void FillMoss6(CReportParameters& report, int section, int secondSection);
void FillMoss7(CReportParameters& report, int section, int secondSection);
void FillMoss8(CReportParameters& report, int section, int secondSection);
void FillMoss9(CReportParameters& report, int section, int secondSection);
void FillMoss10(CReportParameters& report, int section, int secondSection);

// One block per moss page record.
using MossBlock = void (*)(CReportParameters& report);
void FillDistances(CReportParameters& report);
void FillMossHabitat02(CReportParameters& report);       // trees, then the plant community
void FillMossHabitat02Trees(CReportParameters& report);  // the trees alone
void FillMossHabitat03(CReportParameters& report);
void FillMossHabitat04(CReportParameters& report);
void FillMossHabitat05(CReportParameters& report);
void FillMossHabitat07(CReportParameters& report);
void FillMossHabitat08(CReportParameters& report);
void FillMossHabitat09(CReportParameters& report);
void FillMossHabitat10(CReportParameters& report);
void FillMossHabitat11(CReportParameters& report);
void FillMossHabitat12(CReportParameters& report);
void FillMossHabitat13(CReportParameters& report);
void FillMossHabitat14Areas(CReportParameters& report);  // the tufts' areas, every row
void FillMossHabitat14(CReportParameters& report);       // areas and spore capsules
void FillMossHabitat15(CReportParameters& report);
void FillMossHabitat16(CReportParameters& report);
void FillMossHabitat17(CReportParameters& report);
void FillMossHabitat18(CReportParameters& report);
void FillMossHabitat19(CReportParameters& report);

// Where a moss report puts its note: after the photo and map signs (types 2 and 3) or before.
enum class MossNotePlace { AfterPhotoMap, BeforePhotoMap };
// The whole report: header, distances, the blocks in their order, threats, note and signs.
void FillMossReport(CReportParameters& report, MossNotePlace notePlace, std::initializer_list<MossBlock> habitatBlocks);

// Hands the rows of a list to `setRow(number, row)`, numbered from 1: at most `limit` rows,
// all of them for kAllMossRows.
constexpr int kMossRowLimit = 10;
constexpr int kAllMossRows = -1;
template <class Rows, class SetRow>
void ForEachReportedRow(const Rows& rows, int limit, SetRow setRow) {
    const int count = limit < 0 || rows.GetSize() < limit ? rows.GetSize() : limit;
    for (int row = 1; row <= count; ++row) setRow(row, rows[row - 1]);
}
