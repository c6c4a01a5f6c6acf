#pragma once

#include <ostream>

/// Writes a type specification of `classes` user classes, about ten methods
/// each: eight drawn from a pool of signatures that many classes share, two of
/// the class's own. Every third class has a code block; BaseType has a code
/// block and overrides equalsTo, implicitCast and some shared signatures; one
/// promoted type in ten has no class and gets a default class.
void writeSpecification(std::ostream& out, long classes);

/// Writes a delegation-heavy specification of `classes` user classes: each
/// defines about ten methods with one-line bodies, drawn from a pool of fifteen
/// signatures that all classes share, so that the fixed text of every class,
/// the defaults and the key-signature look-ups weigh most.
void writeDelegationHeavySpecification(std::ostream& out, long classes);
