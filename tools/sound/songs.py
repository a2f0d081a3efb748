#!/usr/bin/env python3
"""Writes the game's background songs, note by note, as Standard MIDI Files in data/MEDIA.

No MIDI library: a small writer of format 1 files (a tempo track, then one track per part, each
on its own channel with a General MIDI program). The songs are public-domain melodies arranged by
us, and one of our own:

    Korobeiniki.mid   "Коробейники", Russian folk song, speeding up like a village dance
    OdeToJoy.mid      L. van Beethoven, the "Ode to Joy" theme of the Ninth Symphony (1824)
    MountainKing.mid  E. Grieg, "In the Hall of the Mountain King" from Peer Gynt (1875)
    QuorimWaltz.mid   our own waltz

    python3 tools/sound/songs.py
The game makes MEDIA/songs.lst of the *.mid files itself on its first start.
"""

import pathlib
import re
import struct

ROOT = pathlib.Path(__file__).resolve().parents[2]
MEDIA = ROOT / "data" / "MEDIA"

PPQ = 480  # ticks per quarter note
EIGHTH = PPQ // 2
PERCUSSION = 9  # the General MIDI drum channel (10th)


# --- The file format ------------------------------------------------------------------------


def vlq(value):
    """A MIDI variable-length quantity: 7 bits a byte, the high bit on all but the last."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    """Events at absolute ticks; written sorted, note-offs before note-ons at the same tick."""

    def __init__(self, name, channel=None, program=None, volume=100, pan=64, reverb=40):
        """A part on its channel with its instrument, level, place and reverb; without a
        channel, the conductor track that holds only the title, metre and tempo."""
        self.channel = channel
        self.events = []  # (tick, order, bytes)
        self.meta(0, 0x03, name.encode("ascii"))
        if channel is None:
            return
        if program is not None:
            self.program(0, program)
        self.control(0, 7, volume)
        self.control(0, 10, pan)
        self.control(0, 91, reverb)

    def add(self, tick, order, data):
        self.events.append((int(round(tick)), order, data))

    def meta(self, tick, kind, data):
        self.add(tick, 0, bytes([0xFF, kind]) + vlq(len(data)) + data)

    def control(self, tick, number, value):
        self.add(tick, 1, bytes([0xB0 | self.channel, number, value]))

    def program(self, tick, program):
        self.add(tick, 1, bytes([0xC0 | self.channel, program]))

    def note(self, tick, pitch, length, velocity=80):
        if not 0 <= pitch <= 127:
            raise ValueError(f"pitch {pitch}")
        self.add(tick, 2, bytes([0x90 | self.channel, pitch, velocity]))
        # A hair short of the full length, so repeated notes are heard as two.
        self.add(tick + max(1, length - 10), 0, bytes([0x80 | self.channel, pitch, 0]))

    def end(self):
        return max((tick for tick, _, _ in self.events), default=0)

    def encode(self):
        body = bytearray()
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += vlq(tick - now) + data
            now = tick
        body += vlq(0) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def tempo_track(name, tempos, beats_per_bar, beat_unit=4):
    """The conductor: title, metre, and the tempo changes as (tick, beats per minute)."""
    track = Track(name)
    denominator = {2: 1, 4: 2, 8: 3}[beat_unit]
    track.meta(0, 0x58, bytes([beats_per_bar, denominator, 24, 8]))
    for tick, bpm in tempos:
        track.meta(tick, 0x51, struct.pack(">I", round(60_000_000 / bpm))[1:])
    return track


def write_midi(path, tracks):
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), PPQ)
    path.write_bytes(header + b"".join(t.encode() for t in tracks))


def seconds(tempos, end):
    """The playing time of a song up to tick end."""
    total, (last_tick, last_bpm) = 0.0, tempos[0]
    for tick, bpm in tempos[1:] + [(end, None)]:
        total += (min(tick, end) - last_tick) / PPQ * 60 / last_bpm
        last_tick, last_bpm = tick, bpm
        if tick >= end:
            break
    return total


# --- Writing music --------------------------------------------------------------------------

NOTE = re.compile(r"([A-G])([#b]?)(-?\d)")


def pitch(name):
    """'C4' is middle C, MIDI 60."""
    letter, accidental, octave = NOTE.fullmatch(name).groups()
    semitone = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}[letter]
    return 12 * (int(octave) + 1) + semitone + {"#": 1, "b": -1, "": 0}[accidental]


def melody(text, unit=EIGHTH):
    """'E5:2 B4 C5 r:2 C4+E4:4' -> [(start, [pitches], length)] in ticks. A number after ':' is
    the length in units (eighths by default) and carries on to the next notes until changed;
    'r' is a rest, '+' joins the notes of a chord."""
    notes, now, length = [], 0, 1
    for token in text.split():
        name, _, count = token.partition(":")
        if count:
            length = float(count)
        ticks = round(length * unit)
        if name != "r":
            notes.append((now, [pitch(n) for n in name.split("+")], ticks))
        now += ticks
    return notes, now


def play(track, notes, at=0, transpose=0, velocity=80, accent=None):
    """Puts the notes onto the track from tick at; accent(start) may change a note's velocity."""
    for start, pitches, length in notes:
        v = accent(start) if accent else velocity
        for p in pitches:
            track.note(at + start, p + transpose, length, v)


CHORD_TONES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
               "dim": (0, 3, 6)}


def chord_pitches(symbol, octave=3):
    """'Am' -> the root in the bass octave and the triad (or seventh) above it."""
    root, quality = re.fullmatch(r"([A-G][#b]?)(.*)", symbol).groups()
    base = pitch(f"{root}{octave}")
    return base, [base + 12 + step for step in CHORD_TONES[quality]]


def bars_of(chords):
    """'Am E7 | Am | E7 | ...' -> per bar a list of chords, each taking an equal part of it."""
    return [bar.split() for bar in chords.split("|")]


def accompany(bass, harmony, chords, at, beats_per_bar, style, velocity=70, octave=2):
    """A simple accompaniment, one beat after another. "oompah" (in 4): the bass on beats 1 and
    3, root then fifth, the chord on 2 and 4; "waltz" (in 3): the bass on 1, the chord on 2 and
    3; "arpeggio": the chord broken in eighths over a held bass. A new chord in mid-bar gets its
    root at once. Without a harmony track only the bass plays."""
    bar_ticks = beats_per_bar * PPQ
    for number, bar in enumerate(bars_of(chords)):
        start = at + number * bar_ticks
        for beat in range(beats_per_bar):
            symbol = bar[beat * len(bar) // beats_per_bar]
            changed = beat == 0 or symbol != bar[(beat - 1) * len(bar) // beats_per_bar]
            root, tones = chord_pitches(symbol, octave)
            tick = start + beat * PPQ
            if style == "arpeggio":
                if changed:
                    bass.note(tick, root, 2 * PPQ, velocity)
                if harmony:
                    broken = tones + [tones[0] + 12]
                    harmony.note(tick, broken[(2 * beat) % len(broken)], PPQ, velocity - 10)
                    harmony.note(tick + PPQ // 2, broken[(2 * beat + 1) % len(broken)] + 12,
                                 PPQ // 2, velocity - 20)
                continue
            strong = changed or (style == "oompah" and beat % 2 == 0)
            if strong:
                fifth = root + 7 if root + 7 <= pitch("D3") else root - 5
                bass.note(tick, root if changed else fifth, PPQ, velocity + 5)
            elif harmony:
                for tone in tones:
                    harmony.note(tick, tone, PPQ * 2 // 3, velocity - 15)


def drums(track, at, bars, beats_per_bar, hits):
    """hits: (beat within the bar, GM drum note, velocity), repeated every bar."""
    for bar in range(bars):
        for beat, note, velocity in hits:
            track.note(at + (bar * beats_per_bar + beat) * PPQ, note, PPQ // 4, velocity)


def accelerando(first_bar, bars, start_bpm, end_bpm, beats_per_bar):
    """A tempo change at every bar, evenly from start_bpm to end_bpm."""
    return [((first_bar + i) * beats_per_bar * PPQ,
             start_bpm + (end_bpm - start_bpm) * i / max(1, bars - 1)) for i in range(bars)]


# General MIDI programs (0-based) used below.
PIANO, CELESTA, MUSIC_BOX, VIBRAPHONE, ACCORDION = 0, 8, 10, 11, 21
ACOUSTIC_BASS, PIZZICATO, HARP, TIMPANI = 32, 45, 46, 47
STRINGS, SLOW_STRINGS, FRENCH_HORN, BRASS = 48, 49, 60, 61
BASSOON, CLARINET, FLUTE, BALALAIKA = 70, 71, 73, 105  # no balalaika in GM: the banjo
# Drum notes of the percussion channel.
TAMBOURINE, CRASH = 54, 49


# --- The songs ------------------------------------------------------------------------------


def korobeiniki():
    """"Коробейники" (The Peddlers), a Russian folk song to N. Nekrasov's poem of 1861.
    The eight bars of the tune six times, the band joining in and the tempo rising every bar,
    as a dance speeds up."""
    tune, length = melody("""
        E5:2 B4:1 C5 D5:2 C5:1 B4   A4:2 A4:1 C5 E5:2 D5:1 C5   B4:3 C5:1 D5:2 E5
        C5 A4 A4 r   r:1 D5:2 F5:1 A5:2 G5:1 F5   E5:3 C5:1 E5:2 D5:1 C5
        B4:2 B4:1 C5 D5:2 E5   C5 A4 A4 r""")
    chords = "Am E7 | Am | E7 | Am | Dm | C | E7 | Am"
    bars, rounds = 8, 6
    assert length == bars * 4 * PPQ
    tempos = accelerando(0, bars * rounds, 104, 176, 4)
    lead = Track("Melody", 0, CLARINET, volume=115, pan=60)
    accordion = Track("Accordion", 1, ACCORDION, volume=100, pan=50)
    strum = Track("Balalaika", 2, BALALAIKA, volume=90, pan=84)
    bass = Track("Bass", 3, ACOUSTIC_BASS, volume=110)
    beat = Track("Tambourine", PERCUSSION, volume=70)
    for r in range(rounds):
        at = r * length
        # The clarinet alone, then the accordion takes the tune, and the two end an octave
        # apart.
        if r in (0, 4, 5):
            play(lead, tune, at, velocity=88 if r else 80)
        if r >= 1:
            play(accordion, tune, at, transpose=-12 if r >= 4 else 0, velocity=84)
        if r == 3:
            play(lead, tune, at, transpose=-12, velocity=70)
        # The first round has only the bass under the clarinet.
        accompany(bass, strum if r else None, chords, at, 4, "oompah", velocity=72)
        if r >= 2:
            drums(beat, at, bars, 4, [(1, TAMBOURINE, 60), (3, TAMBOURINE, 70)])
    # The last chord, held, with a stamp.
    end = rounds * length
    for p in ("A3", "C4", "E4", "A4"):
        accordion.note(end, pitch(p), 2 * PPQ, 90)
    strum.note(end, pitch("A3"), PPQ, 90)
    bass.note(end, pitch("A1"), 2 * PPQ, 100)
    beat.note(end, CRASH, PPQ, 90)
    return "Korobeiniki", 4, tempos, [lead, accordion, strum, bass, beat]


def ode_to_joy():
    """The "Ode to Joy" of L. van Beethoven's Ninth Symphony, in D major: piano alone, then
    strings with horns, then flute and clarinet over broken chords, slowing at the very end."""
    a_part = "F#4:2 F#4 G4 A4   A4 G4 F#4 E4   D4 D4 E4 F#4"
    theme, length = melody(f"""
        {a_part} F#4:3 E4:1 E4:4
        {a_part} E4:3 D4:1 D4:4
        E4:2 E4 F#4 D4   E4 F#4:1 G4 F#4:2 D4   E4 F#4:1 G4 F#4:2 E4   D4 E4 A3:4
        {a_part} E4:3 D4:1 D4:4""")
    chords = ("D | D A | D | D A | D | D A | D | A D | "
              "A D | A D | A D | G A | D | D A | D | A D")
    bars, rounds = 16, 3
    assert length == bars * 4 * PPQ
    tempos = [(0, 96)] + accelerando(rounds * bars - 2, 3, 90, 70, 4)
    piano = Track("Piano", 0, PIANO, volume=127)
    left = Track("Piano left hand", 1, PIANO, volume=110)
    strings = Track("Strings", 2, STRINGS, volume=60, pan=44)
    horn = Track("Horns", 3, FRENCH_HORN, volume=50, pan=84)
    flute = Track("Flute", 4, FLUTE, volume=95, pan=70)
    clarinet = Track("Clarinet", 5, CLARINET, volume=80, pan=58)
    harp = Track("Harp", 6, HARP, volume=80, pan=30)
    bass = Track("Bass", 7, PIZZICATO, volume=85)
    # The tune's strong beats a little louder.
    accent = lambda start: 86 if start % (2 * PPQ) == 0 else 76
    play(piano, theme, 0, transpose=12, accent=lambda start: accent(start) + 24)
    accompany(left, left, chords, 0, 4, "oompah", velocity=64)
    at = length
    play(strings, theme, at, transpose=12, accent=accent)
    play(strings, theme, at, velocity=70)
    accompany(bass, horn, chords, at, 4, "oompah", velocity=66)
    at = 2 * length
    play(flute, theme, at, transpose=12, accent=accent)
    play(clarinet, theme, at, velocity=72)
    accompany(bass, harp, chords, at, 4, "arpeggio", velocity=70)
    end = rounds * length
    for track, notes in ((strings, ("D3", "A3", "D4", "F#4")), (horn, ("D3", "A3")),
                         (flute, ("D5",)), (clarinet, ("A4",)), (harp, ("D3", "F#3", "A3", "D4"))):
        for p in notes:
            track.note(end, pitch(p), 4 * PPQ, 84)
    bass.note(end, pitch("D2"), 2 * PPQ, 90)
    return "Ode to Joy", 4, tempos, [piano, left, strings, horn, flute, clarinet, harp, bass]


def mountain_king():
    """The theme of E. Grieg's "In the Hall of the Mountain King": four bars, over and over,
    ever faster and louder, from bassoon and pizzicato over a held horn note up to the whole
    band; the middle rounds a fifth higher. It ends on two loud chords."""
    theme, length = melody("""
        B3:1 C#4 D4 E4 F#4 D4 F#4:2   F4:1 C#4 F4:2 E4:1 C4 E4:2
        B3:1 C#4 D4 E4 F#4 D4 F#4 B4   A4 F#4 D4 F#4 A4:4""")
    bars, rounds = 4, 12
    assert length == bars * 4 * PPQ
    tempos = accelerando(0, bars * rounds, 92, 208, 4)
    bassoon = Track("Bassoon", 0, BASSOON, volume=70, pan=54)
    pizz = Track("Pizzicato", 1, PIZZICATO, volume=70, pan=74)
    horn = Track("Horn", 2, FRENCH_HORN, volume=50, pan=40)
    violins = Track("Violins", 3, STRINGS, volume=64, pan=30)
    brass = Track("Brass", 4, BRASS, volume=57, pan=94)
    timpani = Track("Timpani", 5, TIMPANI, volume=70)
    cymbal = Track("Cymbal", PERCUSSION, volume=65)
    for r in range(rounds):
        at = r * length
        up = 7 if 6 <= r < 9 else 0  # the middle rounds in F sharp minor
        loud = min(120, 72 + 4 * r)
        play(pizz, theme, at, transpose=up - 12, velocity=loud)
        if r < 6:
            play(bassoon, theme, at, transpose=up - 12, velocity=loud)
        pedal = pitch("F#2") if up else pitch("B2")
        horn.note(at, pedal, length, min(100, 50 + 4 * r))
        if r >= 3:
            play(violins, theme, at, transpose=up + 12, velocity=loud)
        if r >= 6:
            play(bassoon, theme, at, transpose=up - 24, velocity=loud)
        if r >= 8:
            play(brass, theme, at, transpose=up, velocity=loud)
        if r >= 4:
            for beat in range(0, 16, 2 if r < 9 else 1):
                timpani.note(at + beat * PPQ, pedal, PPQ // 2, min(115, loud - 10))
    end = rounds * length
    for k, chord_at in enumerate((end, end + 2 * PPQ)):
        for track, notes in ((violins, ("B4", "D5", "F#5")), (brass, ("B3", "D4", "F#4")),
                             (pizz, ("B2", "F#3")), (bassoon, ("B1", "B2"))):
            for p in notes:
                track.note(chord_at, pitch(p), PPQ if k == 0 else 3 * PPQ, 120)
        timpani.note(chord_at, pitch("B2"), PPQ, 120)
        cymbal.note(chord_at, CRASH, PPQ, 110)
    parts = [bassoon, pizz, horn, violins, brass, timpani, cymbal]
    return "In the Hall of the Mountain King", 4, tempos, parts


def quorim_waltz():
    """Our own waltz in G major, 32 bars (A A' B A'): a music box over harp, then the tune on
    the strings with the celesta an octave up, and a closing round on the vibraphone."""
    a_part = "B4:2 D5:1 G5:2 E5:1 E5:1 D5 C5 A4:3 B4:2 D5:1 G5:2 B5:1 A5:1 G5 F#5 G5:3"
    a_close = ("B4:2 D5:1 G5:2 E5:1 E5:1 G5 E5 D5:3 C5:1 E5 A5 G5:2 D5:1 C5:1 B4 A4 "
               "G4:3")
    b_part = "E5:1 F#5 G5 F#5:2 D5:1 E5:1 D5 C5 B4:2 G4:1 A4:1 C5 E5 F#5:2 E5:1 E5:2 C5:1 D5:3"
    tune, length = melody(f"{a_part} {a_close} {b_part} {a_close}", unit=PPQ)
    chords = ("G | Em | C | D | G | Em | Am D D | G | "
              "G | Em | C | D | Am | G | D7 | G | "
              "Em | Bm | C | G | Am | D | Am | D7 | "
              "G | Em | C | D | Am | G | D7 | G")
    bars, rounds = 32, 3
    assert length == bars * 3 * PPQ
    last_bar = (rounds * bars - 1) * 3 * PPQ
    tempos = [(0, 144), (last_bar - 3 * PPQ, 128), (last_bar, 108)]
    box = Track("Music box", 0, MUSIC_BOX, volume=127, pan=70)
    harp = Track("Harp", 1, HARP, volume=110, pan=40)
    strings = Track("Strings", 2, SLOW_STRINGS, volume=110, pan=54)
    celesta = Track("Celesta", 3, CELESTA, volume=95, pan=84)
    vibes = Track("Vibraphone", 4, VIBRAPHONE, volume=120, pan=64)
    bass = Track("Bass", 5, ACOUSTIC_BASS, volume=110)
    accent = lambda start: 84 if start % (3 * PPQ) == 0 else 72
    play(box, tune, 0, transpose=12, accent=accent)
    accompany(harp, harp, chords, 0, 3, "waltz", velocity=62, octave=2)
    at = length
    play(strings, tune, at, accent=accent)
    play(celesta, tune, at, transpose=12, velocity=64)
    accompany(bass, harp, chords, at, 3, "waltz", velocity=66)
    at = 2 * length
    play(vibes, tune, at, accent=accent)
    play(box, tune, at, transpose=12, velocity=56)
    accompany(bass, strings, chords, at, 3, "waltz", velocity=60)
    end = rounds * length
    for i, p in enumerate(("G3", "B3", "D4", "G4", "B4", "D5", "G5")):
        harp.note(end + i * PPQ // 4, pitch(p), 6 * PPQ, 70)
    for p in ("G3", "D4", "B4"):
        strings.note(end, pitch(p), 6 * PPQ, 70)
    bass.note(end, pitch("G2"), 3 * PPQ, 80)
    return "Quorim Waltz", 3, tempos, [box, harp, strings, celesta, vibes, bass]


SONGS = {
    "Korobeiniki.mid": korobeiniki,
    "OdeToJoy.mid": ode_to_joy,
    "MountainKing.mid": mountain_king,
    "QuorimWaltz.mid": quorim_waltz,
}


def main():
    MEDIA.mkdir(parents=True, exist_ok=True)
    for name, song in SONGS.items():
        title, beats_per_bar, tempos, parts = song()
        length = seconds(tempos, max(t.end() for t in parts))
        if not 60 <= length <= 180:
            raise SystemExit(f"{name} lasts {length:.0f} s, not 1 to 3 minutes")
        write_midi(MEDIA / name, [tempo_track(title, tempos, beats_per_bar)] + parts)
        print(f"{name:18} {len(parts)} parts  {int(length) // 60}:{int(length) % 60:02d}  "
              f"{(MEDIA / name).stat().st_size} bytes")


if __name__ == "__main__":
    main()
