#include <cmath>
#include <vector>

#include "platform/canvas.h"
#include "platform/drawing/canvas_internal.h"

namespace {
struct PathStep {
    enum Kind { Move, Line, Close } kind;
    double x = 0;
    double y = 0;
};

class PathReader {
public:
    explicit PathReader(const QString& text) : text_(text) {}

    bool Read(std::vector<PathStep>* steps) {
        double x = 0, y = 0, startX = 0, startY = 0;
        QChar command;
        for (;;) {
            SkipSeparators();
            if (AtEnd()) return true;
            const QChar c = text_[at_];
            if (c.isLetter()) {
                command = c;
                ++at_;
                if (command == 'Z' || command == 'z') {
                    steps->push_back({PathStep::Close, startX, startY});
                    x = startX;
                    y = startY;
                    continue;
                }
            } else if (command.isNull() || command == 'Z' || command == 'z') {
                return false;
            }
            const bool relative = command.isLower();
            double a = 0, b = 0;
            switch (command.toUpper().unicode()) {
                case 'M':
                case 'L':
                    if (!Number(&a) || !Number(&b)) return false;
                    x = relative ? x + a : a;
                    y = relative ? y + b : b;
                    if (command.toUpper() == 'M') {
                        steps->push_back({PathStep::Move, x, y});
                        startX = x;
                        startY = y;
                        // Further pairs after a move are lines.
                        command = relative ? QChar('l') : QChar('L');
                    } else {
                        steps->push_back({PathStep::Line, x, y});
                    }
                    break;
                case 'H':
                    if (!Number(&a)) return false;
                    x = relative ? x + a : a;
                    steps->push_back({PathStep::Line, x, y});
                    break;
                case 'V':
                    if (!Number(&a)) return false;
                    y = relative ? y + a : a;
                    steps->push_back({PathStep::Line, x, y});
                    break;
                default:
                    return false;
            }
        }
    }

private:
    bool AtEnd() const { return at_ >= text_.size(); }

    void SkipSeparators() {
        while (!AtEnd() && (text_[at_].isSpace() || text_[at_] == ',')) ++at_;
    }

    // Signs multiply, so a negative value written after a fixed minus sign
    // keeps its arithmetic meaning.
    bool Number(double* value) {
        SkipSeparators();
        double sign = 1;
        while (!AtEnd() && (text_[at_] == '-' || text_[at_] == '+')) {
            if (text_[at_] == '-') sign = -sign;
            ++at_;
        }
        const qsizetype begin = at_;
        while (!AtEnd() && (text_[at_].isDigit() || text_[at_] == '.')) ++at_;
        if (!AtEnd() && (text_[at_] == 'e' || text_[at_] == 'E') && at_ > begin) {
            qsizetype exponent = at_ + 1;
            if (exponent < text_.size() && (text_[exponent] == '-' || text_[exponent] == '+')) ++exponent;
            if (exponent < text_.size() && text_[exponent].isDigit()) {
                at_ = exponent;
                while (!AtEnd() && text_[at_].isDigit()) ++at_;
            }
        }
        bool ok = false;
        const double magnitude = text_.mid(begin, at_ - begin).toDouble(&ok);
        if (!ok || !std::isfinite(magnitude)) return false;
        *value = sign * magnitude;
        return true;
    }

    const QString& text_;
    qsizetype at_ = 0;
};
}  // namespace

bool FillPathText(Canvas* canvas, const QString& path, CanvasPixel colour) {
    std::vector<PathStep> steps;
    if (!PathReader(path).Read(&steps) || !canvas) return false;
    cairo_t* cr = BeginVectorDrawing(canvas, colour);
    if (!cr) return false;
    // Even-odd filling; for the simple figures drawn here it looks the same
    // as the winding rule, and a figure crossing itself is filled on both sides.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    for (const PathStep& step : steps) {
        switch (step.kind) {
            case PathStep::Move:
                cairo_move_to(cr, step.x, step.y);
                break;
            case PathStep::Line:
                cairo_line_to(cr, step.x, step.y);
                break;
            case PathStep::Close:
                cairo_close_path(cr);
                break;
        }
    }
    cairo_fill(cr);
    const bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    return ok;
}
