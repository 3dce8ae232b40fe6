#pragma once

#include <QString>
#include <functional>

// Hands an address to the user's default web browser; tests put a recorder in its place.
namespace WebOpener {

using Opener = std::function<void(const QString& address)>;

// Replaces the browser hand-over; an empty opener restores it.
void setOpener(Opener opener);

// Opens address without waiting for the browser and without looking at the outcome.
void open(const QString& address);

} // namespace WebOpener
