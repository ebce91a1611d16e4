#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "engine.h"
#include "graph_state.h"

namespace kurvex {

// The texts of the control band's edit boxes and the units choice, as the window shows them.
struct Boxes {
    std::string Equation, LowLim, HighLim, SpecX, SpecY, MaxX, MaxY;
    int PiItemIndex = 1;  // 0 "Units", 1 "Times Pi"
};

// What the window lends the commands: its message box, its picture and its locale.
struct Services {
    MessageSink& messages;
    Canvas& picture;
    std::string decimalSeparator = ".";
    std::function<std::string(const std::string&)> lowerCase;
};

// The grapher's state and its commands, apart from any window: Go reads the boxes, scans the
// range, draws on the picture, writes the output boxes and the table. A failure raises the
// conversion fault or a math fault, leaving everything as far as the command had got.
class Grapher {
public:
    static constexpr long double kPi = 3.141592653589793238462643383279502884L;

    // The store and the table follow W; the picture is W wide and pictureHeight high.
    void Resize(int sampleCount, int pictureHeight, int windowHeight);

    void GoButtonClick(Boxes& boxes, Services& services);
    void PrepareRun(const Boxes& boxes, const Services& services);
    void ScanRange(long double& maxY, long double& xAtMaxY, Boxes& boxes, Services& services);
    void EmptyTableRows();  // Clear's last step, after its PrepareRun

    const GraphState& State() const { return state_; }
    // Table cell (column, row); row 0 holds the headings, rows 1..W the samples.
    const std::string& Cell(int column, int row) const { return table_[row][column]; }
    int TableRowCount() const { return static_cast<int>(table_.size()); }

    long double LowX() const { return lowX_; }
    long double HighX() const { return highX_; }
    long double XIncrement() const { return xIncrement_; }
    long double PrevTanArg() const { return prevTanArg_; }
    const std::string& Equation() const { return equation_; }

private:
    void ReadLimits(const Boxes& boxes, const Services& services);
    void ScanSamples(Services& services);
    void ReportExtremes(long double& maxY, long double& xAtMaxY, Boxes& boxes,
                        const Services& services);
    void Draw(Services& services, long double maxY, const Boxes& boxes);
    void EvaluateSpecificX(Boxes& boxes, Services& services);
    void WriteTable(const Services& services);

    GraphState state_;
    int pictureHeight_ = 0;
    std::vector<std::array<std::string, 2>> table_ = std::vector<std::array<std::string, 2>>(1);

    std::string equation_;
    bool timesPi_ = false;
    long double lowX_ = 0, highX_ = 0, xRange_ = 0, xIncrement_ = 0;
    long double minY_ = 0, xAtMinY_ = 0, specYValue_ = 0, prevTanArg_ = 0;
    bool anyValid_ = false;
    bool mathError_ = false, tanCut_ = false, syntaxError_ = false;
};

}  // namespace kurvex
