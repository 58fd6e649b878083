// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A stage that records every drawing operation of a scene, in order, with
// the surface it went to: the tests check the stream a scene produces.
#pragma once

#include "scenes/stage.h"
#include "surface/surface.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace brovaci::testing {

enum class OpKind { Cls, PSet, Line, Circle, Print, ForeColor, FontSize, Visible, Left, Width, Pause };

struct Op {
    Op(int surface, OpKind kind, float a = 0, float b = 0, float c = 0, float d = 0, Colour colour = 0,
       QString text = {})
        : surface(surface), kind(kind), a(a), b(b), c(c), d(d), colour(colour), text(std::move(text))
    { }
    int surface; // 1, 2, 3 for the picture boxes; 0 for a pause
    OpKind kind;
    float a, b, c, d;
    Colour colour;
    QString text;
};

class RecordingStage;

class RecordingSurface : public Surface {
public:
    RecordingSurface(RecordingStage &stage, int id) : m_stage(stage), m_id(id) { }

    void Cls() override { add({m_id, OpKind::Cls}); }
    void PSet(float x, float y, Colour c) override { add({m_id, OpKind::PSet, x, y, 0, 0, c}); }
    void Line(float x1, float y1, float x2, float y2, Colour c) override
    {
        add({m_id, OpKind::Line, x1, y1, x2, y2, c});
    }
    void Circle(float x, float y, float r, float q, Colour c) override { add({m_id, OpKind::Circle, x, y, r, q, c}); }
    void Print(const QString &text) override { add({m_id, OpKind::Print, 0, 0, 0, 0, 0, text}); }
    void setForeColor(Colour c) override { add({m_id, OpKind::ForeColor, 0, 0, 0, 0, c}); }
    void setFontSize(int points) override { add({m_id, OpKind::FontSize, float(points)}); }
    void setVisible(bool v) override { add({m_id, OpKind::Visible, v ? 1.f : 0.f}); }
    void setLeft(double left) override { add({m_id, OpKind::Left, float(left)}); }
    void setWidth(double width) override { add({m_id, OpKind::Width, float(width)}); }

private:
    void add(Op op);
    RecordingStage &m_stage;
    int m_id;
};

class RecordingStage : public Stage {
public:
    Surface &picture1() override { return p1; }
    Surface &picture2() override { return p2; }
    Surface &picture3() override { return p3; }
    QString periodText() const override { return text; }
    void showPeriodBox() override { periodBoxShown = true; }
    int scrollValue() const override { return scroll; }
    double screenWidthTwips() const override { return twips; }
    void IdlePause(std::int16_t count) override
    {
        log.push_back({0, OpKind::Pause, float(count)});
        passes += count > 0 ? count : 0;
    }

    // The operations of one kind on one surface (0: any surface).
    std::vector<Op> ops(OpKind kind, int surface = 0) const
    {
        std::vector<Op> out;
        for (const Op &op : log)
            if (op.kind == kind && (surface == 0 || op.surface == surface))
                out.push_back(op);
        return out;
    }
    qsizetype count(OpKind kind, int surface = 0) const { return qsizetype(ops(kind, surface).size()); }
    bool touched(int surface) const
    {
        for (const Op &op : log)
            if (op.surface == surface)
                return true;
        return false;
    }
    // The texts printed, in order.
    QStringList printed(int surface) const
    {
        QStringList out;
        for (const Op &op : ops(OpKind::Print, surface))
            out << op.text;
        return out;
    }

    QString text = QStringLiteral("200");
    int scroll = 10;
    double twips = 15360;
    bool periodBoxShown = false;
    long long passes = 0;
    std::vector<Op> log;

    RecordingSurface p1{*this, 1};
    RecordingSurface p2{*this, 2};
    RecordingSurface p3{*this, 3};
};

inline void RecordingSurface::add(Op op)
{
    m_stage.log.push_back(std::move(op));
}

// The three lines of the notice on the curve box, as the user reads them.
inline QStringList expectedNotice()
{
    return {QStringLiteral("Hai immesso dati non compatibili  "), QStringLiteral("nella finestrella bianca,"),
            QStringLiteral("cancella e cambiali.")};
}

// A recorded stream cut into frames, before every clear of one surface.
inline std::vector<std::vector<Op>> framesOf(const std::vector<Op> &log, int surface)
{
    std::vector<std::vector<Op>> frames;
    for (const Op &op : log) {
        if (op.kind == OpKind::Cls && op.surface == surface)
            frames.emplace_back();
        if (!frames.empty())
            frames.back().push_back(op);
    }
    return frames;
}

} // namespace brovaci::testing
