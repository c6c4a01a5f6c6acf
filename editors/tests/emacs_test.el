;;; emacs_test.el --- Checks of the installed Emacs files  -*- lexical-binding: t -*-

;; emacs --batch -Q -L <folder of the Emacs files> -l emacs_test.el
;; with $SAMPLES (this folder), $SCRATCH (a writable folder) and Vastor and
;; Perlan on $PATH.  Exits non-zero after listing the failures.

(require 'typetools-autoloads)
(require 'compile)

(defvar test-failures nil)
(defconst test-samples (file-name-as-directory (getenv "SAMPLES")))
(defconst test-scratch (file-name-as-directory (getenv "SCRATCH")))

(defun test-expect (what got expected)
  (unless (equal got expected)
    (push (format "%s: got %S, expected %S" what got expected) test-failures)))

;; The TextMate scopes that the samples assert, and the faces that must be
;; found at the same places.
(defconst test-faces
  '(("keyword.other.import.java" font-lock-keyword-face)
    ("comment.block.vastor" font-lock-comment-delimiter-face font-lock-comment-face)
    ("keyword.other.types.vastor" font-lock-keyword-face)
    ("entity.name.type.vastor" font-lock-type-face)
    ("storage.type.class.vastor" font-lock-keyword-face)
    ("entity.name.type.class.vastor" font-lock-type-face)
    ("support.type.argument.vastor" font-lock-type-face)
    ("storage.type.primitive.java" font-lock-type-face)
    ("entity.name.type.result.vastor" font-lock-type-face)
    ("entity.name.function.vastor" font-lock-function-name-face)
    ("entity.name.type.parameter.vastor" font-lock-type-face)
    ("keyword.control.java" font-lock-keyword-face)
    ("string.quoted.double.java" font-lock-string-face)
    ("keyword.other.directive.perlan" font-lock-keyword-face)
    ("entity.name.function.nonterminal.perlan" font-lock-function-name-face)
    ("punctuation.section.embedded.begin.perlan" font-lock-preprocessor-face)
    ("string.quoted.single.perlan" font-lock-string-face)
    ("comment.block.java" font-lock-comment-delimiter-face font-lock-comment-face)
    ("comment.line.double-slash.java" font-lock-comment-delimiter-face font-lock-comment-face)
    ("variable.language.perlan" font-lock-variable-name-face)
    ("punctuation.section.embedded.end.perlan" font-lock-preprocessor-face)))

(defun test-sample (file mode)
  "Check the mode of FILE and the faces that its assertion lines name.
An assertion line \"// ^^^ scope\" or \"// <-- scope\" names columns of
the closest line above that is not an assertion."
  (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
    (test-expect (concat file " mode") major-mode mode)
    (font-lock-ensure)
    (goto-char (point-min))
    (let ((target (point)))
      (while (not (eobp))
        (if (not (looking-at "//[ \t]*\\(\\^+\\|<-+\\)[ \t]+\\([^ \t\n]+\\)"))
            (setq target (point))
          (let* ((arrow (match-string 1))
                 (scope (match-string 2))
                 (first (if (eq (aref arrow 0) ?<) 0 (- (match-beginning 1) (point))))
                 (last (if (eq (aref arrow 0) ?<) 0 (+ first (length arrow) -1))))
            (dolist (column (list first last))
              (let ((faces (ensure-list (get-text-property (+ target column) 'face)))
                    (expected (cdr (assoc scope test-faces))))
                (unless (seq-intersection faces expected)
                  (push (format "%s:%d:%d %s: got %S, expected one of %S" file
                                (line-number-at-pos target) (1+ column) scope faces expected)
                        test-failures))))))
        (forward-line 1)))))

(test-sample "sample.spec" 'vastor-mode)
(test-sample "sample.yt" 'perlan-mode)
(test-sample "long-header.spec" 'vastor-mode)
(with-current-buffer (find-file-noselect (expand-file-name "rpm.spec" test-samples))
  (test-expect "rpm.spec mode" (eq major-mode 'vastor-mode) nil))

;; M-x compile on the tools themselves: next-error visits the file at the line.
(defun test-compile (fixture command line)
  (let ((default-directory test-scratch)
        (file (expand-file-name fixture test-scratch)))
    (copy-file (expand-file-name fixture test-samples) file t)
    (let ((buffer (compile (format command fixture))))
      (while (get-buffer-process buffer)
        (accept-process-output (get-buffer-process buffer) 0.1))
      (with-current-buffer buffer
        (goto-char (point-min))
        (condition-case err
            (progn
              (next-error 1 t)
              (with-current-buffer (window-buffer (selected-window))
                (test-expect command
                             (list buffer-file-name (line-number-at-pos (window-point)))
                             (list file line))))
          (error (push (format "%s: %S in\n%s" command err (buffer-string)) test-failures)))))))

(test-compile "broken.spec" "Vastor %s" 5)
(test-compile "broken.yt" "Perlan %s out.y" 2)

;; A build log (messages.txt) that echoes the command lines, as make does: each
;; message belongs to the input of the last Vastor or Perlan command above it.
(with-temp-buffer
  (insert-file-contents (expand-file-name "messages.txt" test-samples))
  (compilation-mode)
  (compilation--ensure-parse (point-max))
  (let (match locations)
    (while (setq match (text-property-search-forward 'compilation-message nil nil t))
      (let ((loc (compilation--message->loc (prop-match-value match))))
        (push (list (caar (compilation--loc->file-struct loc)) (compilation--loc->line loc))
              locations)))
    (test-expect "build log" (reverse locations)
                 '(("types.spec" 1) ("types.spec" 3) ("grammar.yt" 9) ("grammar.yt" 4)
                   ("other dir/t.spec" 7) ("other dir/t.spec" 2)))))

(if (null test-failures)
    (kill-emacs 0)
  (dolist (failure (reverse test-failures)) (message "FAIL %s" failure))
  (kill-emacs 1))
