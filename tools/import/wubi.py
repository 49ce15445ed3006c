"""Wubi 86 codes: a character's codes, its full code, and the rules that make word codes."""


def full_codes(codes):
    """The full codes among a character's codes: the longest ones not starting with "z"
    ("z" is the wildcard key of Wubi input, not part of a character's code)."""
    usable = [c for c in codes if not c.startswith("z")]
    if not usable:
        return []
    longest = max(len(c) for c in usable)
    return sorted(set(c for c in usable if len(c) == longest))


def word_code(full):
    """The code of a word from the full codes of its characters, in order:
    two characters  first two letters of each            (AaAbBaBb)
    three           first letter of the first two, first two letters of the third (AaBaCaCb)
    four or more    first letter of the first three and of the last (AaBaCaZa)"""
    if len(full) < 2:
        raise ValueError("a word has two or more characters")
    if any(len(f) < 2 for f in full):
        raise ValueError("a full code has two or more letters")
    if len(full) == 2:
        return full[0][:2] + full[1][:2]
    if len(full) == 3:
        return full[0][0] + full[1][0] + full[2][:2]
    return full[0][0] + full[1][0] + full[2][0] + full[-1][0]
