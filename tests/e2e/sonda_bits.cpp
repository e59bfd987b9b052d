// Tells whether this machine's Wine runs programs of one architecture: ends
// with the width of a pointer in bits (32 or 64).  A plain 0 would not do,
// since Wine also ends with 0 when it cannot load a program at all.

int main() {
    return static_cast<int>(sizeof(void*) * 8);
}
