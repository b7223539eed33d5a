#pragma once

#include <QByteArray>
#include <functional>
#include <random>

// The generated corpus of a fuzz target: each fuzz/corpus_<target>.cpp
// defines GerarCorpus, which hands every input to alimentar. The same
// inputs, always in the same order, are replayed under CTest and seed
// scripts/fuzz.
using TAlimentar = std::function<void(const QByteArray &entrada)>;
void GerarCorpus(const TAlimentar &alimentar);

// A seeded source of choices for the generators.
class TGerador {
public:
    explicit TGerador(quint32 semente) : aleatorio(semente) {}

    int Ate(int n) { return static_cast<int>(aleatorio() % static_cast<quint32>(n)); } // 0 .. n - 1
    bool Chance(int emCada) { return Ate(emCada) == 0; }
    QByteArray Bytes(int n)
    {
        QByteArray b(n, '\0');
        for (char &c : b)
            c = static_cast<char>(Ate(256));
        return b;
    }

    // One damage a stored file meets: a cut, a changed byte, a 4-byte number
    // set to an edge value, bytes lost or repeated.
    QByteArray Danificar(QByteArray bytes)
    {
        static const quint32 numeros[] = {0, 1, 4, 75, 79, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF, 0x10000};
        const int p = Ate(int(bytes.size()) + 1);
        switch (Ate(6)) {
        case 0: bytes.truncate(p); break;
        case 1:
            if (p < bytes.size())
                bytes[p] = static_cast<char>(Ate(256));
            break;
        case 2:
            if (p + 4 <= bytes.size()) {
                const quint32 v = numeros[Ate(std::size(numeros))];
                for (int i = 0; i < 4; ++i)
                    bytes[p + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
            }
            break;
        case 3: bytes.remove(p, 1 + Ate(16)); break;
        case 4: bytes.insert(p, bytes.mid(Ate(int(bytes.size()) + 1), 1 + Ate(32))); break;
        default:
            if (p < bytes.size())
                bytes[p] = static_cast<char>(bytes[p] ^ (1 << Ate(8)));
            break;
        }
        return bytes;
    }

private:
    std::mt19937 aleatorio;
};
