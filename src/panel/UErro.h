#pragma once

#include <QString>
#include <stdexcept>

// A failure the operator must read: the message is the text shown in the
// error box ("ATENÇÃO:\r\n..."). Raised where the failure happens, caught once
// by the command the operator started.
class TErro : public std::runtime_error {
public:
    explicit TErro(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), Mensagem(mensagem)
    {
    }
    const QString Mensagem;
};
