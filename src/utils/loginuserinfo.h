#ifndef LOGINUSERINFO_H
#define LOGINUSERINFO_H

#include <QString>

// The user logged in to the catalogue service; id -1 when nobody is.
struct LoginUserInfo
{
    QString localAvatarPath; // where the main window keeps the picture
    QString avatar; // address of the picture
    QString email;
    qint32 id = -1;
    QString jwtToken;
    QString nickname;
    QString username;
};

#endif // LOGINUSERINFO_H
