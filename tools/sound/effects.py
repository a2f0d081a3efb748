#!/usr/bin/env python3
"""Synthesises the game's 27 sound effects with sox and encodes them with lame.

Every effect is a few voices (sine bells, plucked strings, filtered saw "brass", square buzzes,
noise bursts), each rendered by one `sox synth` call and placed at its start time; the voices are
mixed, given their room (reverb) and normalised to a quiet peak, then encoded as 22.05 kHz mono
at a low bit rate. The encoded file goes to data/MEDIA/<name>.mp3 only when it passes its check:
its length fits its event and it is not silent; otherwise the script fails.

    python3 tools/sound/effects.py            # all of them
    python3 tools/sound/effects.py error save # just these (names as the game spells them)
    python3 tools/sound/effects.py --wav DIR  # also keep the uncompressed mix in DIR
"""

import argparse
import math
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
MEDIA = ROOT / "data" / "MEDIA"

RATE = 22050
BITRATE = 48  # kbit/s; mono at 22.05 kHz, so a two-second effect is about 12 KB
PEAK_DB = -3.0
SHORTEST = 0.1
LONGEST = 2.0
# The windows that open with a sound may take a little longer.
LONGEST_WINDOW_SOUND = 3.0
LOUDEST_RMS = 0.15  # of full scale: the held sounds are turned down to this
QUIETEST_RMS = 0.01  # the shipped file must carry at least this much

NAMES = [
    "NewGame", "HallFame", "GameOver", "SCLimit", "Bonus1", "Bonus2", "change1", "change2",
    "CHMove", "error", "goodsc1", "goodsc2", "goodsc3", "hint1", "hint2", "hint3", "isword1",
    "isword2", "isword3", "nowords", "save", "score1", "score2", "timeout", "Yourmov1",
    "Yourmov2", "Yourmov3",
]


def hz(note):
    """'A4' is 440 Hz; sharps and flats as 'C#5', 'Bb3'."""
    match = re.fullmatch(r"([A-G])([#b]?)(-?\d)", note)
    if not match:
        raise ValueError(note)
    letter, accidental, octave = match.groups()
    semitone = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}[letter]
    semitone += {"#": 1, "b": -1, "": 0}[accidental]
    midi = 12 * (int(octave) + 1) + semitone
    return 440.0 * 2 ** ((midi - 69) / 12)


def freq(f):
    return hz(f) if isinstance(f, str) else float(f)


class Voice:
    """One sox synth call: `synth` arguments, its effects, a start time and a level."""

    def __init__(self, synth, length, effects=(), at=0.0, level=1.0):
        self.synth = synth
        self.length = length
        self.effects = list(effects)
        self.at = at
        self.level = level


def struck(synth, length, t60, at=0.0, level=1.0, pre=(), attack=0.002):
    """A voice struck and left to die away: it falls by 60 dB in t60 seconds and lasts at most
    length seconds (cut with a short fade when it would ring longer)."""
    # sox's logarithmic fade falls 100 dB over its whole length, and cuts the sound after it.
    fade = t60 * 100 / 60
    effects = list(pre) + ["fade", "q", f"{attack}", "fade", "l", "0", f"{fade:.4f}", f"{fade:.4f}"]
    if fade > length:
        effects += ["trim", "0", f"{length:.4f}", "fade", "t", "0", f"{length:.4f}", "0.02"]
    return Voice(synth, max(fade, length), effects, at, level)


def ring(f, t60, length, at=0.0, level=1.0, attack=0.002):
    """A sine struck and left to ring."""
    return struck(["sine", f"{f:.3f}"], length, t60, at, level, attack=attack)


def bell(note, at, t60=1.2, level=1.0, bright=1.0):
    """A tuned bell: the fundamental and a few partials, the higher ones dying sooner.
    bright scales the partials, so a brighter bell of the same pitch rings more of them."""
    f = freq(note)
    partials = [(1.0, 1.0, 1.0), (2.0, 0.35, 0.6), (3.0, 0.18 * bright, 0.4),
                (4.16, 0.10 * bright, 0.25), (5.43, 0.06 * bright * bright, 0.18)]
    voices = []
    for ratio, amp, decay in partials:
        if f * ratio > RATE / 2 * 0.9 or amp < 0.01:
            continue
        voices.append(ring(f * ratio, t60 * decay, t60, at, level * amp))
    return voices


def glass(note, at, t60=1.0, level=1.0):
    """A struck glass: inharmonic, airy partials, soft start."""
    f = freq(note)
    voices = []
    for ratio, amp, decay in [(1.0, 1.0, 1.0), (2.76, 0.3, 0.5), (5.4, 0.1, 0.3)]:
        if f * ratio > RATE / 2 * 0.9:
            continue
        voices.append(ring(f * ratio, t60 * decay, t60, at, level * amp, attack=0.015))
    return voices


def marimba(note, at, level=1.0):
    """A wooden bar: fundamental and the fourth partial, short."""
    f = freq(note)
    voices = []
    for ratio, amp, t60 in [(1.0, 1.0, 0.7), (4.0, 0.25, 0.12), (10.0, 0.06, 0.04)]:
        if f * ratio > RATE / 2 * 0.9:
            continue
        voices.append(ring(f * ratio, t60, 0.7, at, level * amp))
    return voices


def pluck(note, at, length=0.4, level=1.0, effects=()):
    f = freq(note)
    return [Voice(["pluck", f"{f:.3f}"], length,
                  list(effects) + ["fade", "t", "0", f"{length:.4f}", "0.03"], at, level)]


def brass(note, at, length, level=1.0, attack=0.03, vibrato=False):
    """A saw through a low-pass that opens with the pitch: a soft trumpet or horn."""
    f = freq(note)
    cutoff = min(f * 3, 3000)
    effects = ["lowpass", f"{cutoff:.0f}", "lowpass", f"{cutoff * 1.5:.0f}"]
    if vibrato:
        effects += ["tremolo", "5.5", "25"]
    effects += ["fade", "q", f"{attack}", f"{length:.4f}", f"{min(0.12, length / 2):.4f}"]
    return [Voice(["sawtooth", f"{f:.3f}"], length, effects, at, level)]


def organ(note, at, length, level=1.0):
    """Soft drawbars: sines on the octave and the twelfth, slowly swelling."""
    f = freq(note)
    voices = []
    for ratio, amp in [(1.0, 1.0), (2.0, 0.4), (3.0, 0.15)]:
        effects = ["fade", "h", "0.06", f"{length:.4f}", f"{min(0.5, length / 2):.4f}"]
        voices.append(Voice(["sine", f"{f * ratio:.3f}"], length, effects, at, level * amp))
    return voices


def buzz(note, at, length, level=1.0):
    """A low square, doubled a little out of tune so it growls; dark, not piercing."""
    f = freq(note)
    effects = ["lowpass", "900", "lowpass", "1400",
               "fade", "q", "0.01", f"{length:.4f}", "0.04"]
    return [Voice(["square", f"{f:.3f}"], length, effects, at, level),
            Voice(["square", f"{f * 1.02:.3f}"], length, effects, at, level * 0.7)]


def noise(at, length, effects, level=1.0, kind="whitenoise"):
    return [Voice([kind], length, effects, at, level)]


def tick(at, centre, length=0.05, level=1.0):
    """A short band of noise that dies at once: a tile, a key, a counter."""
    band = ["bandpass", f"{centre}", "4q", "bandpass", f"{centre}", "4q"]
    return [struck(["whitenoise"], length, length * 0.6, at, level, pre=band, attack=0.001)]


def sweep(f1, f2, at, length, level=1.0, wave="sine", effects=()):
    # A linear sweep: sox's exponential one ("/") breaks on anything but a sine.
    return [Voice([wave, f"{freq(f1):.2f}:{freq(f2):.2f}"], length,
                  list(effects) + ["fade", "h", f"{min(0.02, length / 4):.4f}", f"{length:.4f}",
                                   f"{min(0.05, length / 2):.4f}"], at, level)]


def thump(f1, f2, at, length, level=1.0):
    """A drum or a heavy lid: a low sine falling in pitch as it dies."""
    return struck(["sine", f"{f1:.2f}:{f2:.2f}"], length, length * 0.8, at, level, attack=0.003)


def chord(maker, notes, at, *args, **kwargs):
    return [v for n in notes for v in maker(n, at, *args, **kwargs)]


def tail(seconds, *reverb):
    """Room to ring out, then a reverb (reverberance, HF damping, room scale)."""
    return ["pad", "0", f"{seconds}", "reverb", *map(str, reverb)]


# Each effect: its voices, the effects applied to the mix, its peak level in dB.
# The ones heard most often (ticks, counting) and the long held ones sit lower than -3 dB.


def NewGame():
    # A bright rising arpeggio that opens onto a held C major chord.
    voices = []
    for i, n in enumerate(["C5", "E5", "G5", "C6", "E6", "G6"]):
        voices += bell(n, 0.09 * i, t60=1.1, level=0.8, bright=1.3)
    voices += chord(organ, ["C4", "G4", "C5", "E5"], 0.55, 1.5, level=0.35)
    voices += bell("C7", 0.62, t60=1.2, level=0.4)
    return voices, tail(0.5, 50, 50, 70), PEAK_DB


def HallFame():
    # Ta-ta-ta taaa, ta-ta-ta taaaa: a short brass fanfare with a timpani under each long note.
    voices = []
    for i in range(3):
        voices += brass("G4", 0.13 * i, 0.11)
    voices += chord(brass, ["C5", "E4"], 0.39, 0.42)
    for i, n in enumerate(["G4", "C5", "E5"]):
        voices += brass(n, 0.86 + 0.13 * i, 0.11)
    voices += chord(brass, ["G5", "E5", "C5"], 1.25, 0.95, vibrato=True)
    for at in (0.39, 1.25):
        voices.append(thump(90, 60, at, 0.6, level=0.9))
    voices += bell("G6", 1.25, t60=1.0, level=0.25)
    return voices, tail(0.5, 45, 50, 80), PEAK_DB


def GameOver():
    # A plagal-then-perfect cadence F - G7 - C, soft drawbars, the top voice A - B - C.
    voices = []
    voices += chord(organ, ["F3", "C4", "F4", "A4"], 0.0, 0.75, level=0.8)
    voices += chord(organ, ["G3", "D4", "F4", "B4"], 0.7, 0.75, level=0.8)
    voices += chord(organ, ["C3", "E4", "G4", "C5"], 1.4, 1.1, level=0.9)
    voices += bell("C6", 1.4, t60=1.2, level=0.3)
    return voices, ["tremolo", "5", "12"] + tail(0.2, 55, 60, 90), -4.0


def SCLimit():
    # A gong: inharmonic partials over a low fundamental, a thud of noise at the strike.
    f = hz("G2")
    voices = []
    for ratio, amp, t60 in [(1.0, 1.0, 1.9), (1.52, 0.6, 1.7), (2.11, 0.5, 1.4),
                            (2.73, 0.35, 1.1), (3.45, 0.25, 0.8), (4.3, 0.15, 0.6),
                            (5.9, 0.12, 0.5), (7.1, 0.1, 0.4), (8.6, 0.08, 0.35),
                            (11.3, 0.06, 0.25), (14.8, 0.04, 0.2)]:
        # A half-sine fade holds the hum longer than a bell's ring before it falls away.
        voices.append(Voice(["sine", f"{f * ratio:.3f}"], t60,
                            ["fade", "q", "0.004", "fade", "h", "0", f"{t60}", f"{t60}"],
                            0.0, amp))
    voices.append(struck(["brownnoise"], 0.12, 0.08, 0.0, 0.8, pre=["lowpass", "500"]))
    return voices, ["tremolo", "3.5", "20", "reverb", "40", "50", "60"], PEAK_DB


def Bonus1():
    # Ta-daa: a pick-up note into a bright brass triad, with a sparkle on top.
    voices = brass("G4", 0.0, 0.12)
    voices += chord(brass, ["C5", "E5", "G5"], 0.14, 0.6)
    voices += bell("C7", 0.14, t60=0.8, level=0.25)
    return voices, tail(0.3, 40, 50, 60), PEAK_DB


def Bonus2():
    # The bigger fanfare: a rising triplet, a high chord, and bells cascading down over it.
    voices = []
    for i, n in enumerate(["C5", "E5", "G5"]):
        voices += brass(n, 0.1 * i, 0.1)
    voices += chord(brass, ["C6", "G5", "E5", "C5"], 0.3, 0.85, vibrato=True)
    for i, n in enumerate(["C7", "G6", "E6", "C6"]):
        voices += bell(n, 0.32 + 0.1 * i, t60=0.9, level=0.3)
    voices.append(thump(100, 60, 0.3, 0.5, level=0.7))
    return voices, tail(0.35, 45, 50, 70), PEAK_DB


def change1():
    # Tiles shaken in the bag: hard little clicks, high and dry, in an uneven patter.
    voices = []
    pattern = [(0.00, "F#7"), (0.05, "C7"), (0.09, "A7"), (0.16, "D7"), (0.20, "A#6"),
               (0.27, "G7"), (0.31, "C#7"), (0.38, "E7"), (0.43, "B6"), (0.50, "F7")]
    for at, n in pattern:
        level = 1.0 - 0.8 * at
        voices.append(ring(freq(n), 0.03, 0.05, at, level))
        voices += tick(at, round(freq(n) * 1.4), 0.03, level=level * 0.8)
    return voices, ["reverb", "15", "50", "20"], -4.0


def change2():
    # Lower, woodier clacks, a handful of letters dropped back: plucked wood and a last rattle.
    voices = []
    pattern = [(0.00, "E5"), (0.07, "B4"), (0.12, "G5"), (0.22, "D5"), (0.26, "A4"),
               (0.36, "F5"), (0.45, "C5")]
    for at, n in pattern:
        voices += pluck(n, at, 0.12, level=0.8, effects=["lowpass", "2500"])
        voices += tick(at, 900, 0.04, level=0.6)
    for i in range(4):
        voices += tick(0.52 + 0.035 * i, 1400 - 150 * i, 0.04, level=0.5)
    return voices, ["reverb", "20", "50", "25"], -4.0


def CHMove():
    # The turn passes: a rising then settling breath of noise, a faint tone riding on it.
    voices = noise(0.0, 0.7, ["bandpass", "500", "2q", "bend", "0,1900,0.55",
                              "lowpass", "4000", "fade", "h", "0.3", "0.7", "0.38"])
    voices += sweep(300, 900, 0.05, 0.55, level=0.12, effects=["fade", "h", "0.25"])
    return voices, ["reverb", "30", "50", "50"], -4.0


def error():
    # Uh-uh: two low growls, the second lower and longer.
    voices = buzz("D3", 0.0, 0.14) + buzz("A2", 0.19, 0.26)
    return voices, [], -5.0


def goodsc1():
    # A small reward: two mellow bells, a third apart.
    voices = bell("C5", 0.0, t60=0.8, bright=0.5) + bell("E5", 0.1, t60=0.8, bright=0.5)
    return voices, tail(0.2, 30, 50, 40), PEAK_DB


def goodsc2():
    # Three brighter bells rising to the octave.
    voices = []
    for i, n in enumerate(["E5", "G5", "C6"]):
        voices += bell(n, 0.09 * i, t60=0.9, bright=1.0)
    return voices, tail(0.25, 40, 50, 50), PEAK_DB


def goodsc3():
    # A bright run up two octaves with glittering partials and a shimmer on top.
    voices = []
    for i, n in enumerate(["G5", "C6", "E6", "G6", "C7"]):
        voices += bell(n, 0.07 * i, t60=1.0, bright=1.6)
    voices += glass("E7", 0.3, t60=0.9, level=0.3)
    return voices, tail(0.3, 50, 40, 60), PEAK_DB


def hint1():
    # A soft "hm?": one glass note, wavering.
    return glass("A5", 0.0, t60=0.8), ["tremolo", "6", "30"] + tail(0.2, 40, 60, 50), -6.0


def hint2():
    # Two soft notes rising a fourth, as if pointing the way.
    voices = glass("E5", 0.0, t60=0.6) + glass("A5", 0.16, t60=0.7, level=0.9)
    return voices, tail(0.2, 40, 60, 50), -6.0


def hint3():
    # A whispered chime: two notes together, a fifth apart, with a breath behind them.
    voices = glass("D6", 0.0, t60=0.8, level=0.8) + glass("A5", 0.0, t60=0.8, level=0.8)
    voices += noise(0.0, 0.4, ["bandpass", "3000", "2q", "fade", "h", "0.1", "0.4", "0.3"], 0.1)
    return voices, ["tremolo", "4", "20"] + tail(0.2, 40, 60, 50), -6.0


def isword1():
    # A quick blip up: "got one".
    return sweep(600, 950, 0.0, 0.11, level=1.0, wave="triangle"), ["pad", "0", "0.03"], -5.0


def isword2():
    # Two blips, the second a fifth higher.
    voices = marimba("E6", 0.0, level=0.9) + marimba("B6", 0.08)
    return voices, ["trim", "0", "0.3", "fade", "t", "0", "0.3", "0.1"], -5.0


def isword3():
    # Three tiny rising taps, thinking aloud.
    voices = []
    for i, n in enumerate(["G5", "B5", "D6"]):
        voices += sweep(freq(n) * 0.97, freq(n), 0.07 * i, 0.055, level=0.9, wave="triangle")
    return voices, ["pad", "0", "0.05"], -5.0


def nowords():
    # The sad trombone: four muted notes falling by semitones, the last one sagging and wavering.
    voices = []
    for i, n in enumerate(["G4", "F#4", "F4"]):
        voices += brass(n, 0.28 * i, 0.26, level=0.8)
    voices += [Voice(["sawtooth", f"{hz('E4'):.2f}:{hz('E4') * 0.94:.2f}"], 0.75,
                     ["lowpass", "1100", "lowpass", "1600", "tremolo", "5", "35",
                      "fade", "q", "0.03", "0.75", "0.35"], 0.84, 0.8)]
    return voices, tail(0.15, 30, 60, 40), -4.0


def save():
    # A latch clicks, then a drawer shuts: a sharp tick, then a low thunk.
    voices = tick(0.0, 3500, 0.03, level=0.7)
    voices.append(thump(110, 55, 0.04, 0.22))
    voices.append(struck(["brownnoise"], 0.08, 0.06, 0.04, 0.6, pre=["lowpass", "400"]))
    return voices, ["pad", "0", "0.05"], -4.0


def score1():
    # The counter of the even participants: a short bright tick.
    voices = [ring(1760, 0.05, 0.1)] + tick(0.0, 4000, 0.02, level=0.5)
    return voices, ["pad", "0", "0.02"], -7.0


def score2():
    # The odd participants' counter: lower and woodier, so the two can be told apart.
    voices = pluck("E6", 0.0, 0.1) + tick(0.0, 2200, 0.02, level=0.4)
    return voices, [], -7.0


def timeout():
    # The last seconds: a two-tone alarm, four quick beeps (it sounds once a second).
    voices = []
    for i in range(4):
        f = 1050 if i % 2 == 0 else 1320
        voices.append(Voice(["square", f"{f}"], 0.075,
                            ["lowpass", "2500", "fade", "q", "0.004", "0.075", "0.01"],
                            0.1 * i, 1.0))
    return voices, ["pad", "0", "0.05"], -4.0


def Yourmov1():
    # Ding-dong: a gentle two-note door chime.
    voices = bell("E5", 0.0, t60=1.2, bright=0.6) + bell("C5", 0.32, t60=1.3, bright=0.6)
    return voices, tail(0.2, 40, 50, 60), -4.0


def Yourmov2():
    # Three wooden notes rising: "your turn".
    voices = marimba("G4", 0.0) + marimba("C5", 0.15) + marimba("E5", 0.3)
    return voices, tail(0.3, 40, 50, 60), -4.0


def Yourmov3():
    # A little glockenspiel call, high and light.
    voices = []
    for at, n in [(0.0, "C6"), (0.12, "G5"), (0.24, "E6")]:
        voices += bell(n, at, t60=0.9, level=0.8, bright=0.8)
    return voices, tail(0.3, 40, 50, 60), -4.0


def run(args):
    result = subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.exit(" ".join(args) + "\n" + result.stderr)


def stat(path):
    """sox's length, peak and RMS of a file."""
    result = subprocess.run(["sox", str(path), "-n", "stat"], check=True,
                            capture_output=True, text=True)
    values = {}
    for line in result.stderr.splitlines():
        key, _, value = line.partition(":")
        try:
            values[" ".join(key.split())] = float(value.split()[0])
        except (ValueError, IndexError):
            pass
    return values["Length (seconds)"], values["Maximum amplitude"], values["RMS amplitude"]


def render(name, work):
    voices, post, peak = globals()[name]()
    parts = []
    for i, v in enumerate(voices):
        part = work / f"{name}-{i:02d}.wav"
        run(["sox", "-R", "-n", "-r", str(RATE), "-c", "1", "-e", "floating-point", "-b", "32",
             str(part), "synth", f"{v.length:.4f}", *v.synth,
             # Half level first, so that no filter of the voice can clip.
             "vol", f"{v.level * 0.5:.4f}", *v.effects, "pad", f"{v.at:.4f}"])
        parts.append(str(part))
    mix = work / f"{name}-mix.wav"
    if len(parts) == 1:
        shutil.copy(parts[0], mix)
    else:
        run(["sox", "-R", "-m", *parts, str(mix)])
    wav = work / f"{name}.wav"
    run(["sox", "-R", str(mix), "-b", "16", str(wav), *post, "gain", "-n", f"{peak}"])
    # A held buzz or beep at the same peak as a bell sounds far louder: cap the RMS too.
    rms = stat(wav)[2]
    if rms > LOUDEST_RMS:
        quieter = 20 * math.log10(LOUDEST_RMS / rms)
        run(["sox", "-R", str(mix), "-b", "16", str(wav), *post,
             "gain", "-n", f"{peak + quieter:.2f}"])
    mp3 = work / f"{name}.mp3"
    run(["lame", "--quiet", "--noreplaygain", "-m", "m", "--cbr", "-b", str(BITRATE),
         "--resample", str(RATE / 1000), str(wav), str(mp3)])
    return wav, mp3


def check(name, mp3):
    """The file to be shipped: its length fits the event and it is not silent."""
    length = float(subprocess.run(["soxi", "-D", str(mp3)], check=True, capture_output=True,
                                  text=True).stdout)
    _, top, rms = stat(mp3)
    longest = LONGEST_WINDOW_SOUND if name in ("NewGame", "HallFame", "GameOver") else LONGEST
    problems = []
    if not SHORTEST <= length <= longest:
        problems.append(f"lasts {length:.2f} s, not {SHORTEST}..{longest} s")
    if rms < QUIETEST_RMS:
        problems.append(f"is nearly silent (RMS {rms:.4f})")
    return length, top, rms, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("names", nargs="*", help="effects to make (default: all)")
    parser.add_argument("--wav", type=pathlib.Path, help="keep the uncompressed mixes here")
    options = parser.parse_args()
    names = options.names or NAMES
    unknown = [n for n in names if n not in NAMES]
    if unknown:
        parser.error("unknown effects: " + ", ".join(unknown))
    for tool in ("sox", "soxi", "lame"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing: apt-get install sox libsox-fmt-mp3 lame")

    MEDIA.mkdir(parents=True, exist_ok=True)
    failed = []
    print(f"{'effect':10} {'seconds':>7} {'peak':>6} {'RMS':>6} {'bytes':>6}")
    with tempfile.TemporaryDirectory() as temp:
        work = pathlib.Path(temp)
        for name in names:
            wav, mp3 = render(name, work)
            if options.wav:
                options.wav.mkdir(parents=True, exist_ok=True)
                shutil.copy(wav, options.wav / wav.name)
            length, top, rms, problems = check(name, mp3)
            print(f"{name:10} {length:7.2f} {top:6.3f} {rms:6.3f} {mp3.stat().st_size:6}"
                  + ("  <- " + "; ".join(problems) if problems else ""))
            # A file that fails its check never replaces the shipped one.
            if problems:
                failed.append(name)
            else:
                shutil.copy(mp3, MEDIA / mp3.name)
    if failed:
        sys.exit("not fit to ship: " + ", ".join(failed))


if __name__ == "__main__":
    main()
