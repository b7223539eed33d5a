#pragma once

#include <QString>
#include <QtGlobal>
#include <utility>

// Where a field of the sign controller file comes from. It narrows a value to
// its field and, when the value does not fit, refuses the whole file with a
// message that tells the operator which destination or extra message of which
// sign, and which field, to correct.
class TOrigemCampo {
public:
    static TOrigemCampo Destino(int numero, int painel);
    static TOrigemCampo Extra(int numero, int painel);
    static TOrigemCampo Painel(int painel);
    static TOrigemCampo Arquivo();

    quint8 Byte(qint64 valor, const QString &campo) const;       // 0 .. 255
    quint16 Palavra(qint64 valor, const QString &campo) const;   // 0 .. 65535
    quint32 DuplaPalavra(qint64 valor, const QString &campo) const; // 0 .. 2^32 - 1
    // Throws unless minimo <= valor <= maximo.
    void Verificar(qint64 valor, qint64 minimo, qint64 maximo, const QString &campo) const;
    // Refuses the file for a reason that is not one field's range.
    [[noreturn]] void Recusar(const QString &motivo) const;
    const QString &Descricao() const { return descricao; }

private:
    explicit TOrigemCampo(QString descricao) : descricao(std::move(descricao)) {}
    QString descricao; // "Destino 3 do painel 2 (Lateral)"
};
