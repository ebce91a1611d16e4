#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// Keeps every drawing step as a line of text ("line 1 5 2 7", "text 50 78 x"), with the pen
// and font settings each step was made with, so tests can check what was drawn and how.
struct RecordingCanvas : kurvex::Canvas {
    struct Step {
        std::string kind;  // "move", "line" or "text"
        int x = 0, y = 0;
        std::string text;
        kurvex::Rgb color{};  // pen colour for lines, font colour for texts
        int size = 0;         // pen width for lines, font size for texts
    };
    std::vector<Step> steps;
    kurvex::Rgb penColor = kurvex::kBlack, fontColor = kurvex::kBlack;
    int penWidth = 1, fontSize = 10;

    void SetPenColor(kurvex::Rgb color) override { penColor = color; }
    void SetPenStyle(kurvex::PenStyle) override {}
    void SetPenWidth(int width) override { penWidth = width; }
    void MoveTo(int x, int y) override { steps.push_back({"move", x, y, {}, penColor, penWidth}); }
    void LineTo(int x, int y) override { steps.push_back({"line", x, y, {}, penColor, penWidth}); }
    void SetFontColor(kurvex::Rgb color) override { fontColor = color; }
    void SetFontSize(int points) override { fontSize = points; }
    void TextOut(int x, int y, const std::string& text) override {
        steps.push_back({"text", x, y, text, fontColor, fontSize});
    }

    std::vector<Step> Texts() const {
        std::vector<Step> texts;
        for (const Step& step : steps)
            if (step.kind == "text") texts.push_back(step);
        return texts;
    }
};
