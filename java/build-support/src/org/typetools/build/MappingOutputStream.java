package org.typetools.build;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.Charset;

/**
 * An output stream that passes a compiler's output on line by line, each
 * location rewritten by a {@link CompilerOutputMapper}. Lines that do not
 * change pass as the bytes they were; a rewritten line is written in the
 * stream's charset, with the line end it had.
 */
public final class MappingOutputStream extends OutputStream {

	private final OutputStream out;
	private final CompilerOutputMapper mapper;
	private final Charset charset;
	private final ByteArrayOutputStream line = new ByteArrayOutputStream();

	public MappingOutputStream(OutputStream out, CompilerOutputMapper mapper, Charset charset) {
		this.out = out;
		this.mapper = mapper;
		this.charset = charset;
	}

	@Override
	public void write(int b) throws IOException {
		line.write(b);
		if (b == '\n') passLine();
	}

	@Override
	public void write(byte[] bytes, int offset, int length) throws IOException {
		int start = offset;
		for (int i = offset; i < offset + length; i++) {
			if (bytes[i] != '\n') continue;
			line.write(bytes, start, i + 1 - start);
			passLine();
			start = i + 1;
		}
		line.write(bytes, start, offset + length - start);
	}

	private void passLine() throws IOException {
		byte[] bytes = line.toByteArray();
		line.reset();
		int end = bytes.length;
		if (end > 0 && bytes[end - 1] == '\n') end--;
		if (end > 0 && bytes[end - 1] == '\r') end--;
		String text = new String(bytes, 0, end, charset);
		String mapped = mapper.map(text);
		if (mapped == text) {
			out.write(bytes);
		} else {
			out.write(mapped.getBytes(charset));
			out.write(bytes, end, bytes.length - end);
		}
	}

	@Override
	public void flush() throws IOException {
		out.flush();
	}

	/** Passes a last line that has no line end; the stream below stays open. */
	@Override
	public void close() throws IOException {
		if (line.size() > 0) passLine();
		out.flush();
	}
}
