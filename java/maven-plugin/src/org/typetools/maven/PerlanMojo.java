package org.typetools.maven;

import java.io.File;

import org.typetools.build.Tool;

/** Goal perlan: rewrites the typechecking blocks of a grammar. */
public class PerlanMojo extends GenerateMojo {

	/** The grammar; the output is named like it, with .yt turned into .y or .y added. */
	protected File grammar;

	@Override
	protected Tool tool() {
		return Tool.PERLAN;
	}

	@Override
	protected File input() {
		return grammar;
	}
}
