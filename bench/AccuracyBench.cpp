// Recognition accuracy on recorded gestures, through the program's own code: each stroke is drawn
// on the overlay (FrmView, offscreen) as pointer movements on a screen of 1920 x 1080
// device-independent pixels with Qt at the pixel ratio RATIO (at 2, a 4K panel of the same size),
// captured and reduced as a preview does, sampled, then matched and decided as Comparaison does,
// drawings too small to mean anything included.
//
// Per subject, the stored symbols are that person's own drawings (repetition 1: at medium speed
// for one drawing per symbol, at the three speeds for three); every other gesture of theirs is
// presented. Known types: all 16 types stored. Unknown types: 8 types stored, the other 8
// presented, both ways round; every launch there is a wrong one.
// Usage: accuracy_bench GESTURES.tsv [SCALE [RATIO]]   (SCALE: 2.5, RATIO: 1 unless given)
#include "overlay/Capture.h"
#include "overlay/FrmView.h"
#include "recognition/DrawingSampler.h"
#include "recognition/GestureDecision.h"
#include "recognition/Matcher.h"
#include "recognition/RecognitionMode.h"
#include "recognition/Stroke.h"
#include "recognition/StrokeMatcher.h"
#include "store/SymbolFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>

#include <cstdio>
#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize screenSize(1920, 1080);
const Thresholds sliders{50, 60}; // the sliders' defaults

struct Gesture {
    int subject = 0;
    QString speed;
    QString type;
    int repetition = 0;
    QList<QPointF> points;
    DrawingGrid grid; // as drawn on the overlay and sampled
    Stroke stroke;    // as the overlay recorded it
};

QList<Gesture> readGestures(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Gesture> gestures;
    file.readLine(); // the header
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() < 5)
            continue;
        Gesture gesture{fields[0].toInt(),
                        QString::fromUtf8(fields[1]),
                        QString::fromUtf8(fields[2]),
                        fields[3].toInt(),
                        {},
                        {},
                        {}};
        for (const QByteArray& point : fields[4].split(' ')) {
            const QList<QByteArray> xy = point.split(',');
            if (xy.size() >= 2)
                gesture.points.append({xy[0].toDouble(), xy[1].toDouble()});
        }
        gestures.append(gesture);
    }
    return gestures;
}

// The gesture drawn on the overlay, scaled about its centre onto the middle of the screen: its
// sampled grid and the stroke the overlay recorded.
void draw(Gesture& gesture, double scale) {
    QRectF bounds;
    for (const QPointF& point : gesture.points)
        bounds = bounds.isNull() ? QRectF(point, QSizeF(0, 0))
                                 : bounds.united(QRectF(point, QSizeF(0, 0)));
    const QPointF middle(screenSize.width() / 2.0, screenSize.height() / 2.0);
    FrmView overlay(QImage(), QRect(QPoint(0, 0), screenSize), true);
    QObject::connect(
        &overlay, &FrmView::captured, [&gesture](const QImage& block, const Stroke& stroke, bool) {
            gesture.grid = sampleDrawing(capture::comparisonPicture(block, {97, 97}), 15, 15);
            gesture.stroke = stroke;
        });
    for (const QPointF& point : gesture.points) {
        const QPointF at = middle + (point - bounds.center()) * scale;
        overlay.Form_MouseMove(qRound(at.x()), qRound(at.y()));
    }
    overlay.Form_MouseDown(FrmView::LeftButton, FrmView::ShiftKey); // a preview capture
}

QString gridString(const DrawingGrid& grid) {
    QString text(SymbolGrid::cellCount, u'0');
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        text[i] = grid[i] ? u'1' : u'0';
    return text;
}

struct Tally {
    int right = 0, wrong = 0, rejected = 0;
    int unknownPresented = 0, unknownLaunched = 0;
    int tooSmall = 0; // known gestures turned down for their size
    double share(int count, int of) const { return of ? 100.0 * count / of : 0; }
};

// Stored symbols for one subject: one shortcut per type, named after it.
struct Catalogue {
    QList<Shortcut> shortcuts;
    QHash<QString, symbolfile::Content> files;
};

// One person's gestures: the stored drawings of each type (the first repetition at medium speed,
// or at all three speeds for three drawings) and the others, presented.
std::pair<QList<const Gesture*>, QList<const Gesture*>> splitOf(const QList<const Gesture*>& own,
                                                                int drawings) {
    const QStringList templateSpeeds =
        drawings == 1 ? QStringList{u"medium"_s} : QStringList{u"slow"_s, u"medium"_s, u"fast"_s};
    std::pair<QList<const Gesture*>, QList<const Gesture*>> split;
    for (const Gesture* gesture : own) {
        const bool isTemplate = gesture->repetition == 1 && templateSpeeds.contains(gesture->speed);
        (isTemplate ? split.first : split.second).append(gesture);
    }
    return split;
}

// Each drawing stored as its grid, and with strokes, as its stroke too (drawn with "Dessiner").
Catalogue catalogueOf(const QList<const Gesture*>& templates, const QStringList& types,
                      bool strokes) {
    Catalogue catalogue;
    for (const QString& type : types) {
        QStringList drawings;
        QStringList traces;
        for (const Gesture* gesture : templates) {
            if (gesture->type == type) {
                drawings.append(gridString(gesture->grid));
                traces.append(strokes ? traceOf(gesture->stroke) : QString());
            }
        }
        catalogue.shortcuts.append({type, drawings.value(0), drawings.mid(1), traces});
        catalogue.files.insert(type, {drawings.value(0), type, drawings.mid(1), traces});
    }
    return catalogue;
}

// Presents gestures one after another, as one session: the score bars carry over.
void present(RecognitionMode mode, const Catalogue& catalogue,
             const QList<const Gesture*>& gestures, bool known, Tally& tally) {
    const bool strokes = std::any_of(
        catalogue.shortcuts.begin(), catalogue.shortcuts.end(), [](const Shortcut& shortcut) {
            return !shortcut.traces.isEmpty() && !shortcut.traces.front().isEmpty();
        });
    SymbolGrid reference;
    ClearGrid(reference);
    Scores bars;
    const PreparedSymbols prepared(catalogue.shortcuts);
    for (const Gesture* gesture : gestures) {
        const Recognition found =
            recognise(mode, gesture->grid, strokes ? gesture->stroke : Stroke(),
                      catalogue.shortcuts, prepared, reference,
                      [&catalogue](const QString& name) { return catalogue.files.value(name); });
        reference = found.referenceGrid;
        Decision decision = decide(found, bars, sliders);
        if (isTooSmallToMean(gesture->stroke)) {
            decision.accepted = false;
            tally.tooSmall += known;
        }
        bars = decision.bars;
        if (!known) {
            ++tally.unknownPresented;
            tally.unknownLaunched += decision.accepted;
        } else if (!decision.accepted) {
            ++tally.rejected;
        } else if (decision.program == gesture->type) {
            ++tally.right;
        } else {
            ++tally.wrong;
        }
    }
}

// Each presented stroke's nearest stored type and its distance: a known or an unknown gesture.
struct Nearest {
    bool known;
    bool rightType;
    float distance;
};

QList<Nearest> nearestStrokes(const QList<const Gesture*>& templates,
                              const QList<const Gesture*>& presented, const QStringList& stored,
                              bool known) {
    QList<std::pair<QString, PreparedStroke>> catalogue;
    for (const Gesture* gesture : templates)
        if (stored.contains(gesture->type))
            if (const auto prepared = prepareStroke(gesture->stroke))
                catalogue.append({gesture->type, *prepared});
    QList<Nearest> found;
    for (const Gesture* gesture : presented) {
        if (!known && stored.contains(gesture->type))
            continue;
        const auto candidate = prepareStroke(gesture->stroke);
        float best = std::numeric_limits<float>::infinity();
        QString type;
        for (const auto& [name, prepared] : catalogue) {
            if (!candidate || strokeLowerBound(*candidate, prepared) >= best)
                continue;
            const float distance = strokeDistance(*candidate, prepared);
            if (distance < best) {
                best = distance;
                type = name;
            }
        }
        found.append({known, type == gesture->type, best});
    }
    return found;
}

// Right, wrong, rejected and unknown launching when strokes nearer than threshold are accepted;
// then, for each share of unknown gestures launching, the best right share within it.
void reportStrokes(const QList<Nearest>& found, int drawings) {
    const auto tallyAt = [&found](float threshold) {
        Tally tally;
        for (const Nearest& nearest : found) {
            const bool accepted = nearest.distance < threshold;
            if (!nearest.known) {
                ++tally.unknownPresented;
                tally.unknownLaunched += accepted;
            } else if (!accepted) {
                ++tally.rejected;
            } else {
                ++(nearest.rightType ? tally.right : tally.wrong);
            }
        }
        return tally;
    };
    for (const float threshold : {0.04f, 0.06f, 0.08f, 0.10f, 0.12f}) {
        const Tally tally = tallyAt(threshold);
        const int known = tally.right + tally.wrong + tally.rejected;
        std::printf("%-15s %-9d %6.1f%% %6.1f%% %8.1f%% %17.1f%%   below %.2f\n", "stroke only",
                    drawings, tally.share(tally.right, known), tally.share(tally.wrong, known),
                    tally.share(tally.rejected, known),
                    tally.share(tally.unknownLaunched, tally.unknownPresented), threshold);
    }
    for (const double most : {25.0, 10.0, 5.0}) {
        double bestRight = 0;
        float bestThreshold = 0;
        for (float threshold = 0.005f; threshold < 0.3f; threshold += 0.0025f) {
            const Tally tally = tallyAt(threshold);
            const int known = tally.right + tally.wrong + tally.rejected;
            if (tally.share(tally.unknownLaunched, tally.unknownPresented) <= most &&
                tally.share(tally.right, known) > bestRight) {
                bestRight = tally.share(tally.right, known);
                bestThreshold = threshold;
            }
        }
        std::printf("stroke, %d drawing(s): at most %.0f%% unknown launching: %.1f%% right "
                    "(below %.4f)\n",
                    drawings, most, bestRight, bestThreshold);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double ratio = argc > 3 ? std::atof(argv[3]) : 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    QApplication app(argc, argv);
    // The recorded gestures kept with the sources, unless another file is named.
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(GESTRIX_GESTURES);
    const double scale = argc > 2 ? std::atof(argv[2]) : 2.5;
    QElapsedTimer clock;
    clock.start();
    QList<Gesture> gestures = readGestures(path);
    if (gestures.isEmpty()) {
        std::fputs("accuracy_bench: no gestures read\n", stderr);
        return 1;
    }
    for (Gesture& gesture : gestures)
        draw(gesture, scale);
    std::printf("%lld gestures drawn and sampled in %.1f s (scale %.1f, pixel ratio %.2f)\n",
                static_cast<long long>(gestures.size()), clock.elapsed() / 1000.0, scale, ratio);

    std::map<int, QList<const Gesture*>> bySubject;
    QStringList types;
    for (const Gesture& gesture : gestures) {
        bySubject[gesture.subject].append(&gesture);
        if (!types.contains(gesture.type))
            types.append(gesture.type);
    }
    std::printf("%-15s %-9s %7s %7s %9s %18s\n", "mode", "drawings", "right", "wrong", "rejected",
                "unknown launching");
    const struct {
        RecognitionMode mode;
        bool strokes;
        const char* name;
    } configurations[] = {{RecognitionMode::Default, false, "default"},
                          {RecognitionMode::Precise, false, "precise"},
                          {RecognitionMode::Precise, true, "precise+stroke"}};
    for (const auto& [mode, strokes, modeName] : configurations)
        for (const int drawings : {1, 3}) {
            Tally tally;
            for (const auto& [subject, own] : bySubject) {
                const auto [templates, presented] = splitOf(own, drawings);
                present(mode, catalogueOf(templates, types, strokes), presented, true, tally);
                for (const auto& [stored, others] : {std::pair(types.mid(0, 8), types.mid(8)),
                                                     std::pair(types.mid(8), types.mid(0, 8))}) {
                    QList<const Gesture*> unknown;
                    for (const Gesture* gesture : presented)
                        if (others.contains(gesture->type))
                            unknown.append(gesture);
                    present(mode, catalogueOf(templates, stored, strokes), unknown, false, tally);
                }
            }
            const int known = tally.right + tally.wrong + tally.rejected;
            std::printf("%-15s %-9d %6.1f%% %6.1f%% %8.1f%% %17.1f%%   %d too small\n", modeName,
                        drawings, tally.share(tally.right, known), tally.share(tally.wrong, known),
                        tally.share(tally.rejected, known),
                        tally.share(tally.unknownLaunched, tally.unknownPresented), tally.tooSmall);
        }
    for (const int drawings : {1, 3}) {
        QList<Nearest> found;
        for (const auto& [subject, own] : bySubject) {
            const auto [templates, presented] = splitOf(own, drawings);
            found += nearestStrokes(templates, presented, types, true);
            found += nearestStrokes(templates, presented, types.mid(0, 8), false);
            found += nearestStrokes(templates, presented, types.mid(8), false);
        }
        reportStrokes(found, drawings);
    }
    std::printf("in %.1f s\n", clock.elapsed() / 1000.0);
    return 0;
}
